#include "topics/space/SpaceTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/space/EbeneWindow.h"
#include "topics/space/GeradeWindow.h"
#include "topics/space/Kugel2Window.h"
#include "topics/space/XEbKuWindow.h"
#include "topics/space/XGerKWindow.h"
#include "topics/space/XKugelWindow.h"

namespace zw {

void RegisterSpaceTexts();

void RegisterSpaceTopics() {
  RegisterSpaceTexts();
  RegisterTopicWindow<TFEbene>();
  RegisterTopicWindow<TFGerade>();
  RegisterTopicWindow<TFKugel2>();
  RegisterTopicWindow<TFXKugel>();
  RegisterTopicWindow<TFXEbKu>();
  RegisterTopicWindow<TFXGerK>();
}

}  // namespace zw
