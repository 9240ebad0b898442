#include "topics/linalg-stat/LinalgStatTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/linalg-stat/LGS.h"

namespace zw {

void RegisterLinalgStatTopics() {
  RegisterLgsTexts();
}

}  // namespace zw
