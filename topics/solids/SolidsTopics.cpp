#include "topics/solids/SolidsTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/solids/PlatonicWindows.h"
#include "topics/solids/SolidsTexts.h"
#include "topics/solids/SphereWindow.h"
#include "topics/solids/TwoQuantityWindows.h"

namespace zw {

void RegisterSolidsTopics() {
  RegisterTopicWindow<TFTetra>();
  RegisterTopicWindow<TFHexa>();
  RegisterTopicWindow<TFOkta>();
  RegisterTopicWindow<TFDodeka>();
  RegisterTopicWindow<TFIkosa>();
  RegisterTopicWindow<TFKugel1>();
  RegisterTopicWindow<TFKegel>();
  RegisterTopicWindow<TFZyl>();
  RegisterTopicWindow<TFPyra>();
  RegisterTopicWindow<TFPrisma>();
  RegisterSolidsTexts();
}

}  // namespace zw
