// The plane-geometry topics that are built, registered with the catalogue.
// >>> registration of the plane-geometry windows (one spot) >>>
#include "shell/catalogue/TopicRegistry.h"
#include "topics/plane/KreisWindow.h"
#include "topics/plane/TangWindow.h"
#include "topics/plane/XGer2dWindow.h"
#include "topics/plane/XGerKrWindow.h"
#include "topics/plane/XKreisWindow.h"

namespace zw {

void RegisterPlaneTexts();

namespace {

const TopicWindowRegistration<TFXKreis> xkreis;
const TopicWindowRegistration<TFXGerKr> xgerkr;
const TopicWindowRegistration<TFXGer2d> xger2d;
const TopicWindowRegistration<TFKreis> kreis;
const TopicWindowRegistration<TFTang> tang;

const bool textsRegistered = (RegisterPlaneTexts(), true);

}  // namespace

}  // namespace zw
// <<< registration of the plane-geometry windows <<<
