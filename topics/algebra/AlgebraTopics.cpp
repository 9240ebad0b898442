#include "topics/algebra/AlgebraTopics.h"

#include "topics/algebra/Bino.h"
#include "topics/algebra/Br2Dez.h"
#include "topics/algebra/CalcWindow.h"
#include "topics/algebra/Dez2Br.h"
#include "topics/algebra/Dio.h"
#include "topics/algebra/Glei4.h"
#include "topics/algebra/Prim.h"
#include "topics/algebra/PrimFz.h"
#include "topics/algebra/Primtup.h"
#include "topics/algebra/Prozent.h"
#include "topics/algebra/Pyth.h"
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
