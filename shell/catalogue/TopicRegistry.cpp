#include "shell/catalogue/TopicRegistry.h"

#include <array>
#include <map>
#include <string>

#include "shell/catalogue/PlaceholderTopicWindow.h"

namespace zw {

namespace {

// Command sets shared by many classes.
constexpr CommandSet kWorksheet{WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_TOPICHELP,
                                WM_NEWWORKSHEET};
constexpr CommandSet kWithPicture = kWorksheet.with(WM_SNAPSHOT);
constexpr CommandSet kWithChart = kWithPicture.with(WM_CHARTSETTINGS);
constexpr CommandSet kCalculator{WM_TOPICHELP};

using T = TopicClassInfo;

constexpr std::array kClasses{
    // Algebra and number theory
    T{"TFBigInt", IBigInt, "bigint", kWorksheet, false},
    T{"TFBino", IBino, "bino", kWorksheet, false},
    T{"TFBr2Dez", IBr2Dez, "Br2Dez", kWorksheet, false},
    T{"TFBruch", IBruch, "", kCalculator, false},
    T{"TFComplex", IComplex, "", kCalculator, false},
    T{"TFDez2Br", IDez2Br, "Dez2Br", kWorksheet, false},
    T{"TFDio", IDio, "dio", kWorksheet, false},
    T{"TFggT", IggT, "ggt", kWorksheet, false},
    T{"TFGlei4", IGlei4, "glei4", kWorksheet, false},
    T{"TFPrim", IPrim, "prim", kWorksheet, false},
    T{"TFPrimFz", IPrfz, "primfz", kWorksheet, false},
    T{"TFPrimtup", IPrimtup, "primtup", kWorksheet, false},
    T{"TFProz", IProz, "proz", kWorksheet, false},
    T{"TFPyth", IPyth, "pyth", kWorksheet, false},
    T{"TFsysteme", ISysteme, "", kCalculator, false},
    // Analysis
    T{"TFFolgen", IFolgen, "folgen", kWorksheet, false},
    T{"TFFPlot1", IFPlot1, "fplot1", kWithChart, false},
    T{"TFFPLot2", IFPLot2, "fplot2", kWithChart, false},
    T{"TFFPLot3", IFPLot3, "fplot3", kWithChart, false},
    T{"TFInteg", IInteg, "integ", kWithChart, false},
    T{"TFIter", IIter, "iter", kWorksheet, false},
    T{"TFKudis", IKudis, "kudis", kWithChart, false},
    T{"TFPlot3d", IPlot3d, "plot3d", kWithPicture, false},
    T{"TFPolFkt", IPolFkt, "polfkt", kWithChart, false},
    T{"TFPolTrans", IPolTrans, "poltrans", kWorksheet, false},
    T{"TFPolyDiv", IPolDiv, "poldiv", kWorksheet, false},
    T{"TFPolyFak", IPolFak, "polfak", kWorksheet, false},
    T{"TFPolyggT", IPolyggT, "polyggt", kWorksheet, false},
    T{"TFRatFkt", IRatFkt, "ratfkt", kWithChart, false},
    T{"TFReihen", IReihen, "reihen", kWithChart, false},
    T{"TFSchar", ISchar, "schar", kWithChart, false},
    // Plane geometry
    T{"TFAbb", IAbb, "abb", kWithChart, false},
    T{"TFBesGer", IBesGer, "BesGer", kWithChart, false},
    T{"TFDrei1", IDrei1, "drei1", kWorksheet.with(WM_CHARTSETTINGS), false},
    T{"TFDrei2", IDrei2, "drei2", kWithChart.with(WM_CHARTSETTINGS2), false},
    T{"TFDrei3", IDrei3, "drei3", kWithChart, false},
    T{"TFKreis", IKreis, "kreis", kWithChart, false},
    T{"TFPoly1", IPoly1, "poly1", kWorksheet, false},
    T{"TFPoly2", IPoly2, "poly2", kWithChart, false},
    T{"TFTang", ITang, "tangente", kWithChart, false},
    T{"TFXGer2d", IXGer2d, "xger2d", kWithChart, false},
    T{"TFXGerKr", IXGerKr, "xgerkr", kWithChart, false},
    T{"TFXKreis", IXKreis, "xkreis", kWithChart, false},
    // Solid geometry
    T{"TFDodeka", IDodeka, "dodeka", kWorksheet, false},
    T{"TFHexa", IHexa, "hexa", kWorksheet, false},
    T{"TFIkosa", IIkosa, "ikosa", kWorksheet, false},
    T{"TFKegel", IKegel, "kegel", kWorksheet, false},
    T{"TFKugel1", IKugel1, "kugel1", kWorksheet, false},
    T{"TFOkta", IOkta, "Okta", kWorksheet, false},
    T{"TFPrisma", IPrisma, "prisma", kWorksheet, false},
    T{"TFPyra", IPyra, "pyra", kWorksheet, false},
    T{"TFTetra", ITetra, "Tetra", kWorksheet, false},
    T{"TFZyl", IZyl, "zyl", kWorksheet, false},
    // Analytic 3D geometry
    T{"TFAbstGPS", IAbstGPS, "AbstGPS", kWorksheet, false},
    T{"TFAbstPE", IAbstPE, "abstandPG", kWorksheet, false},  // shares the point-line section
    T{"TFAbstPG", IAbstPG, "abstandPG", kWorksheet, false},
    T{"TFAbstPP", IAbstPP, "abstandPP", kWorksheet, false},
    T{"TFEbene", IEbene, "ebene", kWithPicture, false},
    T{"TFGerade", IGerade, "gerade", kWorksheet, false},
    T{"TFKoSys", IKoSys, "kosys", kWorksheet, false},
    T{"TFKugel2", IKugel2, "kugel2", kWorksheet, false},
    T{"TFXEbene", IXEbene, "xebene", kWithPicture, false},
    T{"TFXEbKu", IXEbKu, "xebku", kWithPicture, false},
    T{"TFXGer3d", IXGer3d, "xger3d", kWithPicture, false},
    T{"TFXGerEb", IXGerEb, "xgereb", kWithPicture, false},
    T{"TFXGerK", IXGerK, "XGerK", kWithPicture, false},
    T{"TFXKugel", IXKugel, "xkugel", kWithPicture, false},
    // Linear algebra and statistics
    T{"TFBinVer", IBinVer, "binver", kWithChart, false},
    T{"TFHypVer", IHypVer, "hypver", kWithChart, false},
    T{"TFKombi", IKombi, "kombi", kWorksheet, false},
    T{"TFLGS", ILGS, "lgs", kWorksheet, false},
    T{"TFLinKom", ILinKom, "linkom", kWorksheet, false},
    T{"TFLinOpt", ILinOpt, "LinOpt", kWithChart, false},
    T{"TFMatInv", IMatInv, "matinv", kWorksheet, false},
    T{"TFMatMul", IMatMul, "matmul", kWorksheet, false},
    T{"TFNormVer", INormVer, "normver", kWithChart, false},
    T{"TFPseudo", IPseudo, "pseudo", kWorksheet, false},
    T{"TFRegr", IRegr, "regr", kWithChart, false},
    T{"TFSpat", ISpat, "spat", kWorksheet, false},
    T{"TFSProd", ISProd, "sprod", kWorksheet, false},
    T{"TFStat", IStat, "stat", kWithChart, false},
    T{"TFVerhulst", IVerhulst, "",
      CommandSet{WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_CHARTSETTINGS, WM_TOPICHELP},
      true},
    T{"TFVProd", IVProd, "vprod", kWorksheet, false},
};

using K = CatalogueItem::Kind;
using M = SubjectMenu;
using C = CatalogueItem;
constexpr bool kSep = true;

constexpr std::array kItems{
    C{M::Algebra, "MPrim", IPrim, K::Topic, "TFPrim", "", false},
    C{M::Algebra, "MPrimtup", IPrimtup, K::Topic, "TFPrimtup", "", false},
    C{M::Algebra, "MPrfz", IPrfz, K::Topic, "TFPrimFz", "", false},
    C{M::Algebra, "MggT", IggT, K::Topic, "TFggT", "", kSep},
    C{M::Algebra, "MProz", IProz, K::Topic, "TFProz", "", false},
    C{M::Algebra, "MDez2Br", IDez2Br, K::Topic, "TFDez2Br", "", false},
    C{M::Algebra, "MBr2Dez", IBr2Dez, K::Topic, "TFBr2Dez", "", kSep},
    C{M::Algebra, "MBino", IBino, K::Topic, "TFBino", "", false},
    C{M::Algebra, "MGlei4", IGlei4, K::Topic, "TFGlei4", "", false},
    C{M::Algebra, "MDio", IDio, K::Topic, "TFDio", "", false},
    C{M::Algebra, "MPyth", IPyth, K::Topic, "TFPyth", "", kSep},
    C{M::Algebra, "MSysteme", ISysteme, K::Topic, "TFsysteme", "", false},
    C{M::Algebra, "MBruch", IBruch, K::Topic, "TFBruch", "", false},
    C{M::Algebra, "MComplex", IComplex, K::Topic, "TFComplex", "", false},
    C{M::Algebra, "MBigInt", IBigInt, K::Topic, "TFBigInt", "", kSep},
    C{M::Algebra, "MWinCalc", IWinCalc, K::Calculator, "", "", false},

    C{M::Geometry2D, "MDrei1", IDrei1, K::Topic, "TFDrei1", "", false},
    C{M::Geometry2D, "MDrei2", IDrei2, K::Topic, "TFDrei2", "", false},
    C{M::Geometry2D, "MDrei3", IDrei3, K::Topic, "TFDrei3", "", false},
    C{M::Geometry2D, "MBesGer", IBesGer, K::Topic, "TFBesGer", "", kSep},
    C{M::Geometry2D, "MPoly1", IPoly1, K::Topic, "TFPoly1", "", false},
    C{M::Geometry2D, "MPoly2", IPoly2, K::Topic, "TFPoly2", "", false},
    C{M::Geometry2D, "MAbbilden", IAbb, K::Topic, "TFAbb", "", false},
    C{M::Geometry2D, "MKreis", IKreis, K::Topic, "TFKreis", "", false},
    C{M::Geometry2D, "MTang", ITang, K::Topic, "TFTang", "", kSep},
    C{M::Geometry2D, "MXGG2d", IXGer2d, K::Topic, "TFXGer2d", "", false},
    C{M::Geometry2D, "MXGK2d", IXGerKr, K::Topic, "TFXGerKr", "", false},
    C{M::Geometry2D, "MXKK2d", IXKreis, K::Topic, "TFXKreis", "", false},

    C{M::Geometry3D, "MKoSys", IKoSys, K::Topic, "TFKoSys", "", kSep},
    C{M::Geometry3D, "MPlaton", IPlaton, K::Submenu, "", "", kSep},
    C{M::Geometry3D, "MTetra", ITetra, K::Topic, "TFTetra", "MPlaton", false},
    C{M::Geometry3D, "MHexa", IHexa, K::Topic, "TFHexa", "MPlaton", false},
    C{M::Geometry3D, "MOkta", IOkta, K::Topic, "TFOkta", "MPlaton", false},
    C{M::Geometry3D, "MDodeka", IDodeka, K::Topic, "TFDodeka", "MPlaton", false},
    C{M::Geometry3D, "MIkosa", IIkosa, K::Topic, "TFIkosa", "MPlaton", false},
    C{M::Geometry3D, "MPrisma", IPrisma, K::Topic, "TFPrisma", "", false},
    C{M::Geometry3D, "MZyli", IZyl, K::Topic, "TFZyl", "", false},
    C{M::Geometry3D, "MPyra", IPyra, K::Topic, "TFPyra", "", false},
    C{M::Geometry3D, "MKegel", IKegel, K::Topic, "TFKegel", "", false},
    C{M::Geometry3D, "MKugel1", IKugel1, K::Topic, "TFKugel1", "", kSep},
    C{M::Geometry3D, "MGerade", IGerade, K::Topic, "TFGerade", "", false},
    C{M::Geometry3D, "MEbene", IEbene, K::Topic, "TFEbene", "", false},
    C{M::Geometry3D, "MKugel2", IKugel2, K::Topic, "TFKugel2", "", kSep},
    C{M::Geometry3D, "MXGG3d", IXGer3d, K::Topic, "TFXGer3d", "", false},
    C{M::Geometry3D, "MXGE3d", IXGerEb, K::Topic, "TFXGerEb", "", false},
    C{M::Geometry3D, "MXEE3d", IXEbene, K::Topic, "TFXEbene", "", false},
    C{M::Geometry3D, "MXGK3d", IXGerK, K::Topic, "TFXGerK", "", false},
    C{M::Geometry3D, "MXEK3d", IXEbKu, K::Topic, "TFXEbKu", "", false},
    C{M::Geometry3D, "MXKK3d", IXKugel, K::Topic, "TFXKugel", "", kSep},
    C{M::Geometry3D, "MAbstPP", IAbstPP, K::Topic, "TFAbstPP", "", false},
    C{M::Geometry3D, "MAbstPG", IAbstPG, K::Topic, "TFAbstPG", "", false},
    C{M::Geometry3D, "MAbstPE", IAbstPE, K::Topic, "TFAbstPE", "", false},
    // Three distance items open the intersection windows.
    C{M::Geometry3D, "MAbstGG", IAbstGG, K::Topic, "TFXGer3d", "", false},
    C{M::Geometry3D, "MAbstGE", IAbstGE, K::Topic, "TFXGerEb", "", false},
    C{M::Geometry3D, "MAbstEE", IAbstEE, K::Topic, "TFXEbene", "", kSep},
    C{M::Geometry3D, "MAbstGPS", IAbstGPS, K::Topic, "TFAbstGPS", "", false},

    C{M::Analysis, "MFolgen", IFolgen, K::Topic, "TFFolgen", "", kSep},
    C{M::Analysis, "MPolynom", IPolDiv, K::Topic, "TFPolyDiv", "", false},
    C{M::Analysis, "MPolyFak", IPolFak, K::Topic, "TFPolyFak", "", false},
    C{M::Analysis, "MPolTrans", IPolTrans, K::Topic, "TFPolTrans", "", false},
    C{M::Analysis, "MPolyggT", IPolyggT, K::Topic, "TFPolyggT", "", kSep},
    C{M::Analysis, "MFplot1", IFPlot1, K::Topic, "TFFPlot1", "", false},
    C{M::Analysis, "MFplot2", IFPLot2, K::Topic, "TFFPLot2", "", false},
    C{M::Analysis, "MFplot3", IFPLot3, K::Topic, "TFFPLot3", "", false},
    C{M::Analysis, "MSchar", ISchar, K::Topic, "TFSchar", "", kSep},
    C{M::Analysis, "MPolFkt", IPolFkt, K::Topic, "TFPolFkt", "", false},
    C{M::Analysis, "MRatFkt", IRatFkt, K::Topic, "TFRatFkt", "", false},
    C{M::Analysis, "MKudis", IKudis, K::Topic, "TFKudis", "", kSep},
    C{M::Analysis, "MIter", IIter, K::Topic, "TFIter", "", false},
    C{M::Analysis, "MReihen", IReihen, K::Topic, "TFReihen", "", false},
    C{M::Analysis, "MInteg", IInteg, K::Topic, "TFInteg", "", kSep},
    C{M::Analysis, "MPlot3d", IPlot3d, K::Topic, "TFPlot3d", "", false},

    C{M::Stochastics, "MStat", IStat, K::Topic, "TFStat", "", false},
    C{M::Stochastics, "MRegr", IRegr, K::Topic, "TFRegr", "", false},
    C{M::Stochastics, "MVerhulst", IVerhulst, K::Topic, "TFVerhulst", "", false},
    C{M::Stochastics, "MKombi", IKombi, K::Topic, "TFKombi", "", kSep},
    C{M::Stochastics, "MBinVer", IBinVer, K::Topic, "TFBinVer", "", false},
    C{M::Stochastics, "MHypVer", IHypVer, K::Topic, "TFHypVer", "", false},
    C{M::Stochastics, "MNormVer", INormVer, K::Topic, "TFNormVer", "", false},

    C{M::LinearAlgebra, "MLGS", ILGS, K::Topic, "TFLGS", "", false},
    C{M::LinearAlgebra, "MLinOpt", ILinOpt, K::Topic, "TFLinOpt", "", false},
    C{M::LinearAlgebra, "MLinKomb", ILinKom, K::Topic, "TFLinKom", "", false},
    C{M::LinearAlgebra, "MSProd", ISProd, K::Topic, "TFSProd", "", false},
    C{M::LinearAlgebra, "MVProd", IVProd, K::Topic, "TFVProd", "", false},
    C{M::LinearAlgebra, "MSpat", ISpat, K::Topic, "TFSpat", "", kSep},
    C{M::LinearAlgebra, "MMatInv", IMatInv, K::Topic, "TFMatInv", "", false},
    C{M::LinearAlgebra, "MPseudo", IPseudo, K::Topic, "TFPseudo", "", false},
    C{M::LinearAlgebra, "MMatMul", IMatMul, K::Topic, "TFMatMul", "", false},
};

std::map<std::string, TopicFactory, std::less<>>& factories() {
  static std::map<std::string, TopicFactory, std::less<>> map;
  return map;
}

}  // namespace

std::span<const TopicClassInfo> topicClasses() { return kClasses; }
std::span<const CatalogueItem> catalogueItems() { return kItems; }

const TopicClassInfo* findTopicClass(std::string_view className) {
  for (const TopicClassInfo& c : kClasses)
    if (c.className == className) return &c;
  return nullptr;
}

const CatalogueItem* findCatalogueItem(std::string_view itemName) {
  for (const CatalogueItem& i : kItems)
    if (i.name == itemName) return &i;
  return nullptr;
}

TTextIndex subjectPage(SubjectMenu menu) {
  switch (menu) {
    case SubjectMenu::Algebra: return IAlg;
    case SubjectMenu::Geometry2D:
    case SubjectMenu::Geometry3D: return IGeo;
    case SubjectMenu::Analysis: return IAna;
    case SubjectMenu::Stochastics: return ISto;
    case SubjectMenu::LinearAlgebra: return ILinAlg;
  }
  return IAlg;
}

TopicFactoryRegistration::TopicFactoryRegistration(std::string_view className, TopicFactory factory) {
  factories()[std::string(className)] = std::move(factory);
}

bool hasTopicFactory(std::string_view className) {
  return factories().find(className) != factories().end();
}

void unregisterTopicFactory(std::string_view className) {
  const auto it = factories().find(className);
  if (it != factories().end()) factories().erase(it);
}

TopicWindowBase* createTopicWindow(std::string_view className, QWidget* owner) {
  const TopicClassInfo* info = findTopicClass(className);
  if (!info) return nullptr;
  const auto it = factories().find(className);
  if (it != factories().end() && it->second) {
    if (TopicWindowBase* w = it->second(owner)) return w;
  }
  return new PlaceholderTopicWindow(owner, *info);
}

}  // namespace zw
