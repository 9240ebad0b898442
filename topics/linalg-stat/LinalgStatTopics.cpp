#include "topics/linalg-stat/LinalgStatTopics.h"

#include "topics/frame/TopicRegistration.h"
#include "topics/linalg-stat/DistributionWindows.h"
#include "topics/linalg-stat/Kombi.h"
#include "topics/linalg-stat/KombiWindow.h"
#include "topics/linalg-stat/LGS.h"
#include "topics/linalg-stat/LGSWindow.h"
#include "topics/linalg-stat/LinKom.h"
#include "topics/linalg-stat/LinKomWindow.h"
#include "topics/linalg-stat/LinOpt.h"
#include "topics/linalg-stat/LinOptWindow.h"
#include "topics/linalg-stat/MatInv.h"
#include "topics/linalg-stat/MatInvWindow.h"
#include "topics/linalg-stat/MatMul.h"
#include "topics/linalg-stat/MatMulWindow.h"
#include "topics/linalg-stat/NormVerWindow.h"
#include "topics/linalg-stat/Pseudo.h"
#include "topics/linalg-stat/PseudoWindow.h"
#include "topics/linalg-stat/Regr.h"
#include "topics/linalg-stat/RegrWindow.h"
#include "topics/linalg-stat/StatWindow.h"
#include "topics/linalg-stat/VecProductWindows.h"
#include "topics/linalg-stat/VecProducts.h"
#include "topics/linalg-stat/Verhulst.h"
#include "topics/linalg-stat/VerhulstWindow.h"

namespace zw {

void RegisterLinalgStatTopics() {
  RegisterTopicWindow<TFLGS>();
  RegisterTopicWindow<TFMatInv>();
  RegisterTopicWindow<TFMatMul>();
  RegisterTopicWindow<TFPseudo>();
  RegisterTopicWindow<TFSProd>();
  RegisterTopicWindow<TFVProd>();
  RegisterTopicWindow<TFSpat>();
  RegisterTopicWindow<TFLinKom>();
  RegisterTopicWindow<TFKombi>();
  RegisterTopicWindow<TFLinOpt>();
  RegisterLgsTexts();
  RegisterMatInvTexts();
  RegisterMatMulTexts();
  RegisterPseudoTexts();
  RegisterVecProductTexts();
  RegisterLinKomTexts();
  RegisterKombiTexts();
  RegisterLinOptTexts();

  RegisterTopicWindow<TFStat>();
  RegisterStatTexts();

  RegisterTopicWindow<TFRegr>();
  RegisterRegrTexts();
  RegisterTopicWindow<TFVerhulst>();
  RegisterVerhulstTexts();
  RegisterTopicWindow<TFBinVer>();
  RegisterTopicWindow<TFHypVer>();
  RegisterDistributionTexts();
  RegisterTopicWindow<TFNormVer>();
  RegisterNormVerTexts();
}

}  // namespace zw
