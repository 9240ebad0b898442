#include "topics/linalg-stat/LinalgStatTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/linalg-stat/LGS.h"
#include "topics/linalg-stat/StatWindow.h"

namespace zw {

void RegisterLinalgStatTopics() {
  RegisterLgsTexts();
  RegisterTopicWindow<TFStat>();
  RegisterStatTexts();
}

}  // namespace zw
