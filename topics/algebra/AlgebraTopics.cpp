#include "topics/algebra/AlgebraTopics.h"

#include "topics/algebra/ggT.h"
#include "topics/algebra/ggTWindow.h"
#include "topics/algebra/BinoWindow.h"
#include "topics/algebra/Br2DezWindow.h"
#include "topics/algebra/Dez2BrWindow.h"
#include "topics/algebra/DioWindow.h"
#include "topics/algebra/PrimWindow.h"
#include "topics/algebra/PrimFzWindow.h"
#include "topics/algebra/PrimtupWindow.h"
#include "topics/algebra/ProzentWindow.h"
#include "topics/algebra/PythWindow.h"
#include "topics/algebra/BigNumbersWindow.h"
#include "topics/algebra/BruchWindow.h"
#include "topics/algebra/ComplexWindow.h"
#include "topics/algebra/Glei4Window.h"
#include "topics/algebra/SystemeWindow.h"
#include "topics/frame/TopicRegistration.h"

namespace zw {

// The text pages, from each topic's computation file.
void RegisterProzentTexts();
void RegisterPrimtupTexts();
void RegisterBr2DezTexts();
void RegisterDioTexts();
void RegisterPrimFzTexts();
void RegisterPrimTexts();
void RegisterDez2BrTexts();
void RegisterPythTexts();
void RegisterBinoTexts();

void RegisterBigNumbersTexts();
void RegisterGlei4Texts();
void RegisterSystemeTexts();
void RegisterCalculatorTexts();

void RegisterAlgebraTopics() {
  RegisterTopicWindow<TFggT>();
  RegisterTopicWindow<TFDez2Br>();
  RegisterTopicWindow<TFBr2Dez>();
  RegisterTopicWindow<TFPyth>();
  RegisterTopicWindow<TFDio>();
  RegisterTopicWindow<TFProz>();
  RegisterTopicWindow<TFPrim>();
  RegisterTopicWindow<TFPrimtup>();
  RegisterTopicWindow<TFBino>();
  RegisterTopicWindow<TFPrimFz>();
  RegisterTopicWindow<TFBigInt>();
  RegisterTopicWindow<TFBruch>();
  RegisterTopicWindow<TFComplex>();
  RegisterTopicWindow<TFGlei4>();
  RegisterTopicWindow<TFsysteme>();
  RegisterGgtTexts();
  RegisterProzentTexts();
  RegisterPrimtupTexts();
  RegisterBr2DezTexts();
  RegisterDioTexts();
  RegisterPrimFzTexts();
  RegisterPrimTexts();
  RegisterDez2BrTexts();
  RegisterPythTexts();
  RegisterBinoTexts();
  RegisterBigNumbersTexts();
  RegisterGlei4Texts();
  RegisterSystemeTexts();
  RegisterCalculatorTexts();
}

}  // namespace zw
