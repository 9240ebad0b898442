// The built-in tables and the lookup rules over them.
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/TextTables.h"
#include "shell/texts/Texts.h"

#include <gtest/gtest.h>

#include <set>

using namespace zw;

namespace {

class TextsTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    clearLanguageFiles();
  }
  void TearDown() override {
    resetShellState();
    clearLanguageFiles();
  }
  static QString inLanguage(int kind, TTextIndex page, int item) {
    shellState().LanguageKind = kind;
    return GetText(page, item);
  }
};

QString q(const char16_t* s) { return QString::fromUtf16(s); }

}  // namespace

TEST_F(TextsTest, RowsAreSortedUniqueAndHoldNoFallbackMarkers) {
  std::set<std::pair<int, int>> seen;
  std::pair<int, int> last{-1, 0};
  for (const auto& r : texts_detail::builtInRows()) {
    const std::pair<int, int> key{r.page, r.item};
    EXPECT_TRUE(seen.insert(key).second) << "twice: " << r.page << " " << r.item;
    EXPECT_LT(last, key) << "out of order at " << r.page << " " << r.item;
    last = key;
    for (std::u16string_view t : {r.de, r.en, r.fr}) {
      const QString s = QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
      EXPECT_NE(s, "xxx");
      EXPECT_TRUE(s.isEmpty() || !s.trimmed().isEmpty()) << r.page << " " << r.item;
    }
  }
}

// Text counts of the pages the shell owns completely.
TEST_F(TextsTest, ShellPagesHoldTheirFullCounts) {
  struct Count { TTextIndex page; int de, en, fr; };
  const Count counts[] = {
      {ITool, 6, 6, 6},    {IPage, 6, 6, 6},     {IDatei, 16, 15, 14},  {IHelp, 6, 6, 6},
      {IOpt, 23, 23, 23},  {IPrint, 2, 2, 2},    {IQuit, 5, 5, 5},     {IAlg, 2, 2, 1},
      {IGeo, 1, 2, 2},     {IAna, 1, 1, 1},      {ISto, 1, 1, 1},      {ILinAlg, 1, 1, 1},
      {IMat, 9, 11, 11},   {ITabelle, 6, 6, 6},  {IRange, 50, 50, 50}, {IFenster, 5, 5, 5},
      {IPopUp, 8, 8, 8},   {IFlipFlop, 5, 5, 5}, {IMeldung, 56, 55, 56},
      {IVorlage, 0, 0, 0}, {IHuge, 0, 0, 0},     {TTextIndex(4), 0, 0, 0},
  };
  for (const Count& c : counts) {
    SCOPED_TRACE(TextPageName(c.page).toStdString() + " " + std::to_string(int(c.page)));
    EXPECT_EQ(BuiltInTextCount(TextLanguage::German, c.page), c.de);
    EXPECT_EQ(BuiltInTextCount(TextLanguage::English, c.page), c.en);
    EXPECT_EQ(BuiltInTextCount(TextLanguage::French, c.page), c.fr);
  }
}

TEST_F(TextsTest, EveryPageHasItsTitleInEveryLanguage) {
  for (int p = 0; p < TextPageCount; ++p) {
    const auto page = static_cast<TTextIndex>(p);
    const bool none = p == IVorlage || p == IHuge || p == 4 || p == 6 || p == 7;
    for (auto l : {TextLanguage::German, TextLanguage::English, TextLanguage::French}) {
      const bool lacks = none || (p == IMeldung && l == TextLanguage::English);
      EXPECT_EQ(BuiltInText(l, page, 0).isEmpty(), lacks) << p << " " << int(l);
    }
  }
}

TEST_F(TextsTest, SampleTextsCharacterForCharacter) {
  struct Case { TTextIndex page; int item; const char16_t *de, *en, *fr; };
  const Case cases[] = {
      {IggT, 0, u"Größter gemeinsamer Teiler", u"G.C.F. and L.C.M.", u"PGCD et PPCM"},
      {IBr2Dez, 0, u"Brüche -> Dezimalzahlen", u"Fractions to Decimals ", u"Fractions -> Nombres décimaux"},
      {IGetAB, 0, u"   Gerade eingeben", u"Enter a line", u"   Entrée d'une droite"},
      {IKoSys, 0, u"Koordinatensysteme", u"Coordinate Systems", u"Systèmes de coordonnées "},
      {ILinAlg, 0, u"&Lineare Algebra", u"&Linear Algebra", u"Algèbre &linéaire"},
      {IHelp, 0, u"Hilfe", u"&Help", u"A&ide"},
      {ITabelle, 1, u"von", u"from ", u"de "},
      {ITabelle, 2, u"bis", u" to ", u" à "},
      {IRange, 45, u" S/W", u"B/W", u"N && B"},
      {IRange, 50, u"Farbe auswählen für XXX", u"Select color for XXX", u"Sélectionnez la couleur pour XXX"},
      {IRange, -3, u"Erlaubt die Grafik mit der Maus zu strecken", u"Allows to zoom graphic by mouse drag",
       u"Permets de transformer les graphiques par le souris"},
      {IPrint, 1, u"Drucker einrichten", u"Printer setup", u"Installer l´imprimeur"},
      {IFlipFlop, 1, u"Beim Anklicken eines Feldes ändert es", u"    Clicking a square changes its color ",
       u"Cliquer sur un carré change sa couleur    "},
      {IOpt, 22, u"Optionen erfolgreich gespeichert", u"Options successfully saved",
       u"Options enregistrées avec succês"},
      {IDatei, -20, u"Arbeitsblatt speichern", u"Saves actual work sheet", u"Savuer la calculation actuelle"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.page)) + " " + std::to_string(c.item));
    EXPECT_EQ(GermanText(c.page, c.item), q(c.de));
    EXPECT_EQ(EnglishText(c.page, c.item), q(c.en));
    EXPECT_EQ(FrenchText(c.page, c.item), q(c.fr));
  }
}

TEST_F(TextsTest, MessagesOneToFiftyFiveExistInEveryLanguage) {
  for (int n = 1; n <= 55; ++n) {
    EXPECT_FALSE(GermanText(IMeldung, n).isEmpty()) << n;
    EXPECT_FALSE(EnglishText(IMeldung, n).isEmpty()) << n;
    EXPECT_FALSE(FrenchText(IMeldung, n).isEmpty()) << n;
  }
  for (int kind : {0, 1, 2})
    for (int n : {56, -1, 100})
      EXPECT_EQ(inLanguage(kind, IMeldung, n), QString()) << kind << " " << n;
}

TEST_F(TextsTest, MessagesInEachLanguage) {
  struct Case { int n; const char16_t *de, *en, *fr; };
  const Case cases[] = {
      {0, u"Meldungen", u"", u"Message"},
      {2, u"Fertig      ", u"Ready      ", u"Terminé        "},
      {22, u"Unzulässige Eingabe", u"Improper input", u"Entrées irrecevables"},
      {28, u"Datei nicht gefunden   ", u"File not found     ", u"Fichier non trouvé"},
      {29, u"Datei bereits vorhanden", u"File does not exist", u"Fichier déjâ existant"},
      {47, u"Diese Funktion ist nur möglich, wenn ein Programmfenster geöffnet ist.",
       u"No program window is opened", u"Aucun window est ouvert"},
      {49, u"Für diese Funktion müssen Sie das Programm als Administrator starten.",
       u"For this feature, please run the program as administrator.",
       u"Pour cette fonction, s.v.p. lancézle logiciel comme administrateur."},
      {55, u"sqr(x) durch x^2 ersetzen", u"Replace sqr(x) with x^2", u"Remplacez sqr(x) par x^2"},
  };
  for (const Case& c : cases) {
    shellState().LanguageKind = 0;
    EXPECT_EQ(GetMessageText(c.n), q(c.de)) << c.n;
    shellState().LanguageKind = 1;
    EXPECT_EQ(GetMessageText(c.n), q(c.en)) << c.n;
    shellState().LanguageKind = 2;
    EXPECT_EQ(GetMessageText(c.n), q(c.fr)) << c.n;
  }
}

// The pairs that not every language has, and what GetText shows for them.
TEST_F(TextsTest, PairsMissingInSomeLanguagesFallBackToEnglish) {
  struct Case { TTextIndex page; int item; const char16_t *de, *en, *fr; };
  const Case cases[] = {
      {IDatei, -10, u"Vorhandenes Arbeitsblatt laden", u"Loads existing work sheet", nullptr},
      {IDatei, -1, u"Dateibefehle", nullptr, nullptr},
      {IAlg, -1, u"Probleme aus der Algebra", u"Problems of Algebra", nullptr},
      {IPrim, 8, u"zwischen a und b", nullptr, nullptr},
      {IPrfz, 4, u"vermutlich Primzahl", nullptr, nullptr},
      {ISysteme, -1, nullptr, u"Calculator", nullptr},
      {IBruch, -1, nullptr, u"Calculator", nullptr},
      {IComplex, -1, nullptr, u"Calculator", nullptr},
      {IBigInt, -1, nullptr, nullptr, u"Calculer avec de grands entiers"},
      {IGeo, -1, nullptr, u"Problems of Geometry", u"Des problèmes de la Géométrie"},
      {IDrei, 13, nullptr, u"Medians", u"Medianes"},
      {IDrei, 14, nullptr, u"Angle bisectors", u"Bissectrices"},
      {IDrei, 15, nullptr, u"Altitudes", u"Hauteurs"},
      {IDrei, 16, nullptr, u"Incircle", u"Cercle inscrit"},
      {IDrei, 17, nullptr, u"Circumcircle", u"Cercle circonscrit"},
      {IDrei2, -1, nullptr, u"Elements of Triangles given by three Elements", nullptr},
      {IBesGer, -1, nullptr, nullptr, u"Lignes droites spéciales dans un triangle"},
      {IAbb, -1, nullptr, u"Vertices of mapped Polygons", nullptr},
      {IPolyggT, -1, nullptr, nullptr, u"PGCD et PPCM de deux polynômes"},
      {IPolFkt, -1, nullptr, nullptr, u"Étude des fonctions polinomiales"},
      {IRatFkt, -1, nullptr, nullptr, u"Étude des fonctions rationelles"},
      {IRatFkt, 11, u"Funktion", nullptr, nullptr},
      {IKudis, -1, nullptr, nullptr, u"Étude des fonctions arbitraires"},
      {IVerhulst, 13, u"Messpunkte", nullptr, nullptr},
      {IVerhulst, 14, u"Logistische Funktion", nullptr, nullptr},
      {IMat, 9, nullptr, u"Copy Inverse Matrix", u"Copier l'inverse"},
      {IMat, 10, nullptr, u"Export Inverse Matrix", u"Exporter l'inverse"},
      {IMeldung, 0, u"Meldungen", nullptr, u"Message"},
  };
  auto text = [](const char16_t* s) { return s ? q(s) : QString(); };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.page)) + " " + std::to_string(c.item));
    EXPECT_EQ(GermanText(c.page, c.item), text(c.de));
    EXPECT_EQ(EnglishText(c.page, c.item), text(c.en));
    EXPECT_EQ(FrenchText(c.page, c.item), text(c.fr));
    EXPECT_EQ(inLanguage(0, c.page, c.item), c.de ? text(c.de) : text(c.en));
    EXPECT_EQ(inLanguage(1, c.page, c.item), text(c.en));
    EXPECT_EQ(inLanguage(2, c.page, c.item), c.fr ? text(c.fr) : text(c.en));
  }
}

TEST_F(TextsTest, UnknownLanguageKindAndEmptySlotsShowEnglish) {
  for (int kind : {3, 6, 7, 255, -1}) {
    EXPECT_EQ(inLanguage(kind, IMat, 1), "Cut Matrix") << kind;
    EXPECT_EQ(inLanguage(kind, IMeldung, 0), QString()) << kind;
  }
}

TEST_F(TextsTest, DecoratedVariantsInBothDirections) {
  struct Case { QString (*fn)(TTextIndex, int); const char *ltr, *rtl; };
  const Case cases[] = {
      {GetTextEq, "Copy = ", " = Copy"},
      {GetTextColon, "Copy: ", " :Copy"},
      {GetTextBlank, "Copy ", " Copy"},
      {GetTextSpaced, " Copy ", " Copy "},
      {GetTextSpaced2, "  Copy  ", "  Copy  "},
  };
  shellState().LanguageKind = 1;
  for (const Case& c : cases) {
    shellState().RightToLeft = false;
    EXPECT_EQ(c.fn(ITool, 2), QString::fromLatin1(c.ltr));
    shellState().RightToLeft = true;
    EXPECT_EQ(c.fn(ITool, 2), QString::fromLatin1(c.rtl));
  }
}

TEST_F(TextsTest, PageNamesWithTheirExceptions) {
  struct Case { int page; const char* name; };
  const Case cases[] = {
      {IVorlage, ""},       {IHuge, ""},         {4, ""},           {6, ""},
      {7, ""},              {IFPLot2, "IFPlot2"}, {IFPLot3, "IFPlot3"}, {IFPlot1, "IFPlot1"},
      {ITool, "ITool"},     {IggT, "IggT"},      {IXGerKr, "IXGerKr"}, {IMeldung, "IMeldung"},
      {200, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TextPageName(static_cast<TTextIndex>(c.page)), QString::fromLatin1(c.name)) << c.page;
}

TEST_F(TextsTest, LanguageFileNameCutsTheColonSuffix) {
  struct Case { int slot; QString name, path, storedName; };
  const Case cases[] = {
      {5, "greek:UTF-8", "/opt/zw/greek.txt", "greek"},
      {3, "italiano", "/opt/zw/italiano.txt", "italiano"},
      {4, ":UTF-8", "/opt/zw/.txt", ""},
      {6, "a:b:c", "/opt/zw/a.txt", "a"},
  };
  for (const Case& c : cases) {
    resetShellState();
    shellState().AppFolder = "/opt/zw/";
    shellState().LanguageNames[c.slot] = c.name;
    EXPECT_EQ(LanguageFileName(c.slot), c.path) << c.slot;
    EXPECT_EQ(shellState().LanguageNames[c.slot], c.storedName) << c.slot;
  }
  for (int slot : {0, 2, 7, -1}) EXPECT_EQ(LanguageFileName(slot), QString()) << slot;
  EXPECT_EQ(shellState().LanguageNames[0], "Deutsch");
}

TEST_F(TextsTest, UnderlineTextRoundsTheMacronCountHalfUp) {
  struct Case { QString text; int macronWidth; QString line; };
  const Case cases[] = {
      {"", 4, ""},
      {"ab", 4, QString(5, QChar(0xAF))},   // 20 / 4 = 5
      {"abc", 4, QString(8, QChar(0xAF))},  // 30 / 4 = 7.5 -> 8
      {"a", 4, QString(3, QChar(0xAF))},    // 10 / 4 = 2.5 -> 3
      {"a", 8, QString(1, QChar(0xAF))},    // 10 / 8 = 1.25 -> 1
      {"abc", 0, ""},                       // no visible macron: no line
  };
  for (const Case& c : cases) {
    FixedWidthMeasurer m(10, {{u'\u00AF', c.macronWidth}});
    EXPECT_EQ(UnderlineText(m, c.text), c.text + "\r\n" + c.line) << c.text.toStdString();
  }
}

TEST_F(TextsTest, TopicRegistrationAddsTextsAndKeepsTheShellsOwn) {
  static constexpr TextItem kGerman[] = {
      {1, u"Beschreibung"}, {3, u"von"}, {0, u"Anderer Titel"}, {13, u"Seitenhalbierende"}};
  static constexpr TextItem kEnglish[] = {{3, u"from"}, {3, u"again"}};
  static constexpr TextItem kShellPage[] = {{999, u"zu viel"}};
  {
    const TextPageRegistration de(IDrei, TextLanguage::German, kGerman);
    const TextPageRegistration en(IDrei, TextLanguage::English, kEnglish);
    const TextPageRegistration range(IRange, TextLanguage::German, kShellPage);
    EXPECT_EQ(inLanguage(0, IDrei, 1), "Beschreibung");
    EXPECT_EQ(inLanguage(0, IDrei, 3), "von");
    EXPECT_EQ(inLanguage(1, IDrei, 3), "from");
    EXPECT_EQ(inLanguage(0, IDrei, 0), "Dreieck");     // the title stays the shell's
    EXPECT_EQ(inLanguage(0, IDrei, 13), "Medians");    // German lacks it on purpose
    EXPECT_EQ(inLanguage(0, IRange, 999), QString());  // shell pages are complete
    EXPECT_EQ(inLanguage(2, IDrei, 1), QString());
    EXPECT_EQ(BuiltInTextCount(TextLanguage::German, IDrei), 3);  // title, 1, 3
    const QStringList conflicts = RegisteredTextConflicts();
    EXPECT_EQ(conflicts, QStringList({"IDrei 0 German", "IDrei 13 German", "IDrei 3 English",
                                      "IRange 999 German"}));
  }
  EXPECT_EQ(inLanguage(0, IDrei, 1), QString());
  EXPECT_TRUE(RegisteredTextConflicts().isEmpty());
}
