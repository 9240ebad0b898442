#include "topics/algebra/AlgebraTopics.h"

#include "topics/algebra/ggT.h"
#include "topics/algebra/ggTWindow.h"
#include "topics/frame/TopicRegistration.h"

namespace zw {

void RegisterAlgebraTopics() {
  // Windows: the class name of the topic registry and the class.
  RegisterTopicWindow<TFggT>("TFggT");
  // Text pages (German, English, French).
  RegisterGgtTexts();
}

}  // namespace zw
