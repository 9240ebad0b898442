#include "shell/help/Help.h"

#include <utility>

#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/help/CompiledHelp.h"
#include "platform/help/WebHelpPages.h"
#include "shell/State.h"

namespace zw {

namespace {

constexpr std::pair<TTextIndex, int> kContexts[] = {
    {IOpt, 1175},     {IAlg, 1200},     {IPrim, 1205},    {IPrimtup, 1207}, {IPrfz, 1210},
    {IggT, 1215},     {IProz, 1217},    {IDez2Br, 1220},  {IBr2Dez, 1225},  {IBino, 1230},
    {IGlei4, 1235},   {IDio, 1240},     {IPyth, 1245},    {IHuge, 1250},    {ISysteme, 1255},
    {IBruch, 1260},   {IComplex, 1265}, {IBigInt, 1270},  {IGeo, 1300},     {IDrei, 1310},
    {IDrei1, 1311},   {IDrei2, 1312},   {IDrei3, 1313},   {IBesGer, 1317},  {IPoly1, 1321},
    {IPoly2, 1322},   {IAbb, 1323},     {IKreis, 1326},   {ITang, 1327},    {IKoSys, 1330},
    {IPlaton, 1340},  {ITetra, 1341},   {IHexa, 1342},    {IOkta, 1343},    {IDodeka, 1344},
    {IIkosa, 1345},   {IKoerp, 1350},   {IPrisma, 1351},  {IZyl, 1352},     {IPyra, 1353},
    {IKegel, 1354},   {IKugel1, 1355},  {IGetAB, 1356},   {IGetABC, 1357},  {IGetVGl, 1358},
    {IGerade, 1361},  {IEbene, 1362},   {IKugel2, 1363},  {IX2d, 1370},     {IXGer2d, 1371},
    {IXGerKr, 1372},  {IXKreis, 1373},  {IX3d, 1380},     {IXGer3d, 1381},  {IXGerEb, 1382},
    {IXEbene, 1383},  {IXGerK, 1384},   {IXEbKu, 1385},   {IXKugel, 1386},  {IAbstand, 1390},
    {IAbstPP, 1390},  {IAbstPG, 1390},  {IAbstPE, 1390},  {IAbstGG, 1390},  {IAbstGE, 1390},
    {IAbstEE, 1390},  {IAbstGPS, 1395}, {IAna, 1400},     {IFolgen, 1402},  {IPolDiv, 1405},
    {IPolFak, 1407},  {IPolTrans, 1408}, {IPolyggT, 1409}, {IFPlot1, 1410}, {IFPLot2, 1415},
    {IFPLot3, 1420},  {ISchar, 1425},   {IPolFkt, 1427},  {IRatFkt, 1428},  {IKudis, 1430},
    {IIter, 1435},    {IReihen, 1440},  {IInteg, 1445},   {IPlot3d, 1450},  {ISto, 1500},
    {IStat, 1510},    {IRegr, 1520},    {IVerhulst, 1530}, {IKombi, 1540},  {IBinVer, 1550},
    {IHypVer, 1560},  {INormVer, 1570}, {ILinAlg, 1600},  {ILGS, 1610},     {ILinOpt, 1615},
    {ILinKom, 1620},  {ISProd, 1630},   {IVProd, 1640},   {ISpat, 1650},    {IMatInv, 1660},
    {IMatMul, 1670},  {IPseudo, 1680},  {IRange, 1180},
};

}  // namespace

int HelpContextOf(TTextIndex page) {
  for (const auto& [p, context] : kContexts)
    if (p == page) return context;
  return 1000;
}

char helpLanguageLetter(int languageKind, const QString& languageName) {
  switch (languageKind) {
    case 0: return 'd';
    case 2: return 'f';
    case 3: case 4: case 5: case 6: {
      const QString name = languageName.toLower();
      if (name == QLatin1String("italiano")) return 'i';
      if (name == QLatin1String("espaniol")) return 's';
      return 'e';
    }
    default: return 'e';
  }
}

char currentHelpLanguageLetter() {
  const ShellState& s = shellState();
  const bool validNumber = s.LanguageNumber >= 0 && s.LanguageNumber < int(s.LanguageNames.size());
  return helpLanguageLetter(s.LanguageKind, validNumber ? s.LanguageNames[s.LanguageNumber] : QString());
}

QString helpFileNameFor(char languageLetter) {
  return QStringLiteral("Zw100%1.chm").arg(QLatin1Char(languageLetter));
}

QString CurrentHelpFile() {
  return locateFile(shellState().AppFolder, helpFileNameFor(currentHelpLanguageLetter()));
}

QString webHelpAddress(int context, char languageLetter) {
  return QString::fromLatin1(kWebHelpHost) + QStringLiteral("/help") + webHelpLanguagePath(languageLetter) +
         WebHelpPageName(context);
}

void ShowWebHelp(int context) { desktop().openUrl(webHelpAddress(context, currentHelpLanguageLetter())); }

void ShowCompiledHelp(int context) {
  const char letter = helpFileLanguageLetter(shellState().HelpFile);
  if (openLocalHelpPage(shellState().AppFolder, letter, WebHelpPageName(context))) return;
  desktop().openUrl(webHelpAddress(context, letter));
}

}  // namespace zw
