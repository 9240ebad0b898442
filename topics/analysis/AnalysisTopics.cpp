// The analysis topics that are built, registered with the catalogue.
#include "shell/catalogue/TopicRegistry.h"
#include "topics/analysis/PolyDivWindow.h"

namespace zw {

void RegisterPolyTopicTexts();

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
};

const bool textsRegistered = (RegisterPolyTopicTexts(), true);

}  // namespace

}  // namespace zw
