#include "topics/plane/PlaneTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/plane/AbbWindow.h"
#include "topics/plane/Drei1Window.h"
#include "topics/plane/Drei2Window.h"
#include "topics/plane/Drei3Window.h"
#include "topics/plane/BesGerWindow.h"
#include "topics/plane/KreisWindow.h"
#include "topics/plane/Poly1Window.h"
#include "topics/plane/Poly2Window.h"
#include "topics/plane/TangWindow.h"
#include "topics/plane/XGer2dWindow.h"
#include "topics/plane/XGerKrWindow.h"
#include "topics/plane/XKreisWindow.h"

namespace zw {

void RegisterPlaneTopics() {
  RegisterTopicWindow<TFXKreis>();
  RegisterTopicWindow<TFXGerKr>();
  RegisterTopicWindow<TFXGer2d>();
  RegisterTopicWindow<TFKreis>();
  RegisterTopicWindow<TFTang>();
  RegisterTopicWindow<TFPoly1>();
  RegisterTopicWindow<TFPoly2>();
  RegisterTopicWindow<TFDrei1>();
  RegisterTopicWindow<TFDrei2>();
  RegisterTopicWindow<TFDrei3>();
  RegisterTopicWindow<TFBesGer>();
  RegisterTopicWindow<TFAbb>();
  RegisterPlaneTexts();
}

}  // namespace zw
