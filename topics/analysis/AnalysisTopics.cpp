// The analysis topics that are built, registered with the catalogue.
#include "shell/catalogue/TopicRegistry.h"
#include "topics/analysis/PolyDivWindow.h"
#include "topics/analysis/SequencesWindow.h"
#include "topics/analysis/SurfaceWindow.h"

namespace zw {

void RegisterAnalysisTexts();

namespace {

template <typename W>
TopicFactory factory() {
  return [](QWidget* owner) -> TopicWindowBase* { return new W(owner); };
}

const TopicFactoryRegistration registrations[] = {
    {"TFPolyDiv", factory<TFPolyDiv>()},
    {"TFPolyggT", factory<TFPolyggT>()},
    {"TFPolyFak", factory<TFPolyFak>()},
    {"TFPolTrans", factory<TFPolTrans>()},
    {"TFFolgen", factory<TFFolgen>()},
    {"TFIter", factory<TFIter>()},
    {TFPlot3d::ClassName, factory<TFPlot3d>()},
};

const bool textsRegistered = (RegisterAnalysisTexts(), true);

}  // namespace

}  // namespace zw
