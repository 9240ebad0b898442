// The forty windows of the solid, analytic-3D, linear-algebra and statistics
// topics as the topic registry holds them: class, text page, worksheet
// section and the commands each one handles.
#include <gtest/gtest.h>

#include <QString>

#include "shell/catalogue/TopicRegistry.h"

namespace zw {
namespace {

constexpr CommandSet W{WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_TOPICHELP, WM_NEWWORKSHEET};
constexpr CommandSet P = W.with(WM_SNAPSHOT);
constexpr CommandSet C = P.with(WM_CHARTSETTINGS);

struct Row {
  const char* className;
  TTextIndex page;
  const char* section;  // "" for the CSV window
  CommandSet handles;
};

constexpr Row kRows[] = {
    {"TFTetra", ITetra, "Tetra", W},        {"TFHexa", IHexa, "hexa", W},
    {"TFOkta", IOkta, "okta", W},  // read as "Okta", written as "okta": one section
    {"TFDodeka", IDodeka, "dodeka", W},     {"TFIkosa", IIkosa, "ikosa", W},
    {"TFPrisma", IPrisma, "prisma", W},     {"TFZyl", IZyl, "zyl", W},
    {"TFPyra", IPyra, "pyra", W},           {"TFKegel", IKegel, "kegel", W},
    {"TFKugel1", IKugel1, "kugel1", W},     {"TFKoSys", IKoSys, "kosys", W},
    {"TFGerade", IGerade, "gerade", W},     {"TFEbene", IEbene, "ebene", P},
    {"TFKugel2", IKugel2, "kugel2", W},     {"TFXGer3d", IXGer3d, "xger3d", P},
    {"TFXGerEb", IXGerEb, "xgereb", P},     {"TFXEbene", IXEbene, "xebene", P},
    {"TFXGerK", IXGerK, "XGerK", P},        {"TFXEbKu", IXEbKu, "xebku", P},
    {"TFXKugel", IXKugel, "xkugel", P},     {"TFAbstPP", IAbstPP, "abstandPP", W},
    {"TFAbstPG", IAbstPG, "abstandPG", W},  {"TFAbstPE", IAbstPE, "abstandPG", W},
    {"TFAbstGPS", IAbstGPS, "AbstGPS", W},  {"TFStat", IStat, "stat", C},
    {"TFRegr", IRegr, "regr", C},
    {"TFVerhulst", IVerhulst, "",
     CommandSet{WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_CHARTSETTINGS, WM_TOPICHELP}},
    {"TFKombi", IKombi, "kombi", W},        {"TFBinVer", IBinVer, "binver", C},
    {"TFHypVer", IHypVer, "hypver", C},     {"TFNormVer", INormVer, "normver", C},
    {"TFLGS", ILGS, "lgs", W},              {"TFLinOpt", ILinOpt, "LinOpt", C},
    {"TFLinKom", ILinKom, "linkom", W},     {"TFSProd", ISProd, "sprod", W},
    {"TFVProd", IVProd, "vprod", W},        {"TFSpat", ISpat, "spat", W},
    {"TFMatInv", IMatInv, "matinv", W},     {"TFMatMul", IMatMul, "matmul", W},
    {"TFPseudo", IPseudo, "pseudo", W},
};
static_assert(std::size(kRows) == 40);

TEST(TopicRegistryRows, TheFortyWindowsOfSolidsSpaceLinearAlgebraAndStatistics) {
  for (const Row& r : kRows) {
    const TopicClassInfo* c = findTopicClass(r.className);
    ASSERT_NE(c, nullptr) << r.className;
    EXPECT_EQ(c->page, r.page) << r.className;
    // Sections are found without regard to case.
    const QString section = QString::fromUtf8(c->section.data(), static_cast<qsizetype>(c->section.size()));
    EXPECT_EQ(section.compare(QString::fromUtf8(r.section), Qt::CaseInsensitive), 0) << r.className;
    EXPECT_TRUE(c->handles == r.handles) << r.className;
    EXPECT_EQ(c->csvWorksheet, r.section[0] == 0) << r.className;
  }
}

}  // namespace
}  // namespace zw
