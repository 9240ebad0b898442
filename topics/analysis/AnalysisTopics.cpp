#include "topics/analysis/AnalysisTopics.h"

#include "topics/analysis/FunctionPlotWindow.h"
#include "topics/analysis/IntegWindow.h"
#include "topics/analysis/KudisWindow.h"
#include "topics/analysis/ParametricPlotWindow.h"
#include "topics/analysis/PolFktWindow.h"
#include "topics/analysis/PolyDivWindow.h"
#include "topics/analysis/RatFktWindow.h"
#include "topics/analysis/ReihenWindow.h"
#include "topics/analysis/ScharWindow.h"
#include "topics/analysis/SegmentedPlotWindow.h"
#include "topics/analysis/SequencesWindow.h"
#include "topics/analysis/SurfaceWindow.h"
#include "topics/frame/TopicRegistration.h"

namespace zw {

void RegisterAnalysisTopics() {
  RegisterTopicWindow<TFFolgen>();
  RegisterTopicWindow<TFPolyDiv>();
  RegisterTopicWindow<TFPolyggT>();
  RegisterTopicWindow<TFPolyFak>();
  RegisterTopicWindow<TFPolTrans>();
  RegisterTopicWindow<TFIter>();
  RegisterTopicWindow<TFPlot3d>();
  RegisterTopicWindow<TFFPlot1>();
  RegisterTopicWindow<TFKudis>();
  RegisterTopicWindow<TFInteg>();
  RegisterTopicWindow<TFFPLot2>();
  RegisterTopicWindow<TFFPLot3>();
  RegisterTopicWindow<TFPolFkt>();
  RegisterTopicWindow<TFRatFkt>();
  RegisterTopicWindow<TFSchar>();
  RegisterTopicWindow<TFReihen>();
  RegisterAnalysisTexts();
}

}  // namespace zw
