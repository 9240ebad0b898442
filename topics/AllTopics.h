#pragma once
// Registers the windows and texts of every topic area, explicitly: the
// program (app/main.cpp) and the developer tools call this before the first
// window opens. A topic is added to its area's Register<Area>Topics(), never
// here (see topics/frame/README.md, "Registering a topic").
#include "topics/algebra/AlgebraTopics.h"
#include "topics/analysis/AnalysisTopics.h"
#include "topics/linalg-stat/LinalgStatTopics.h"
#include "topics/plane/PlaneTopics.h"
#include "topics/solids/SolidsTopics.h"
#include "topics/space/SpaceTopics.h"

namespace zw {

inline void RegisterAllTopics() {
  RegisterAlgebraTopics();
  RegisterAnalysisTopics();
  RegisterPlaneTopics();
  RegisterSolidsTopics();
  RegisterSpaceTopics();
  RegisterLinalgStatTopics();
}

}  // namespace zw
