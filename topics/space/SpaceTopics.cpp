#include "topics/space/SpaceTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/space/EbeneWindow.h"
#include "topics/space/GeradeWindow.h"
#include "topics/space/Kugel2Window.h"
#include "topics/space/XEbKuWindow.h"
#include "topics/space/XGerKWindow.h"
#include "topics/space/XKugelWindow.h"
#include "topics/space/CoordSystems.h"
#include "topics/space/CoordSystemsWindow.h"
#include "topics/space/DistanceWindows.h"
#include "topics/space/Distances.h"
#include "topics/space/LinePlane.h"
#include "topics/space/LinePlaneWindow.h"
#include "topics/space/SphereDistance.h"
#include "topics/space/SphereDistanceWindow.h"
#include "topics/space/TwoLines.h"
#include "topics/space/TwoLinesWindow.h"
#include "topics/space/TwoPlanes.h"
#include "topics/space/TwoPlanesWindow.h"

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
  // Two planes, line and plane, two lines, distances, sphere distances,
  // coordinate systems.
  RegisterTwoPlanesTexts();
  RegisterLinePlaneTexts();
  RegisterTwoLinesTexts();
  RegisterDistanceTexts();
  RegisterSphereDistanceTexts();
  RegisterCoordSystemsTexts();
  RegisterTopicWindow<TFXEbene>();
  RegisterTopicWindow<TFXGerEb>();
  RegisterTopicWindow<TFXGer3d>();
  RegisterTopicWindow<TFAbstPP>();
  RegisterTopicWindow<TFAbstPG>();
  RegisterTopicWindow<TFAbstPE>();
  RegisterTopicWindow<TFAbstGPS>();
  RegisterTopicWindow<TFKoSys>();
}

}  // namespace zw
