#pragma once
// Every text the program shows lives on a text page (a TTextIndex value) under
// an item number. GetText returns the text in the current language with the
// English text as the fall-back for anything that language lacks.
//
// German, English and French are constant tables compiled into the program;
// the languages 3..6 come from external language files read into memory once
// (shell/texts/LanguageFiles.h). A lookup never touches the disk and allocates
// nothing but the returned string (built-in texts are returned as views onto
// constant data).
//
// How a topic adds the texts of its own page
// ------------------------------------------
// The shell's tables hold the title (item 0) of every page, the shell's own
// and shared pages and the numbered messages. A topic adds the other items of
// its page from its own source file with one registration per language:
//
//   namespace {
//   constexpr zw::TextItem kPrimDe[] = {
//       {1, u"Bestimmt alle Primzahlen ..."},
//       {3, u"von"},
//   };
//   constexpr zw::TextItem kPrimEn[] = { {1, u"Finds all primes ..."}, {3, u"from"} };
//   }  // namespace
//
//   void RegisterPrimTexts() {   // called by the area's Register<Area>Topics()
//     static const zw::TextPageRegistration de{zw::IPrim, zw::TextLanguage::German, kPrimDe};
//     static const zw::TextPageRegistration en{zw::IPrim, zw::TextLanguage::English, kPrimEn};
//   }
//
// Rules:
// - The texts must be string literals (or other data with static storage): the
//   tables keep views onto them.
// - A topic keeps its registrations as function-local statics of a function
//   that its area's registration function calls (topics/frame/README.md,
//   "Registering a topic"): our libraries are static, and the linker drops an
//   object file that nothing refers to, registrar and all.
// - Items the shell's table already holds for that page and language (the title,
//   the shell pages) stay the shell's; a second text for the same pair is
//   ignored, and so is a pair that a language deliberately lacks (such pairs must
//   show the English text, or nothing). RegisteredTextConflicts() lists both
//   kinds so that a test can keep the tables clean.
// - Registration may happen at any time on the GUI thread; the lookup index is
//   rebuilt at the next lookup. A registration object that is destroyed takes
//   its texts away again (tests register pages in a scope).
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace zw {

class TextMeasurer;

// Text pages. The ordinals are fixed (language files and help contexts rely on
// them); 4, 6 and 7 are reserved and carry nothing.
enum TTextIndex : std::uint8_t {
  IVorlage = 0, ITool = 1, IPage = 2, IDatei = 3,
  IHelp = 5,
  IOpt = 8, IPrint = 9, IQuit = 10,
  IAlg = 11, IPrim = 12, IPrimtup = 13, IPrfz = 14, IggT = 15, IProz = 16, IDez2Br = 17,
  IBr2Dez = 18, IBino = 19, IGlei4 = 20, IDio = 21, IPyth = 22, IHuge = 23, ISysteme = 24,
  IBruch = 25, IComplex = 26, IBigInt = 27, IWinCalc = 28,
  IGeo = 29, IDrei = 30, IDrei1 = 31, IDrei2 = 32, IDrei3 = 33, IBesGer = 34, IPoly1 = 35,
  IPoly2 = 36, IAbb = 37, IKreis = 38, ITang = 39, IKoSys = 40,
  IPlaton = 41, ITetra = 42, IHexa = 43, IOkta = 44, IDodeka = 45, IIkosa = 46,
  IKoerp = 47, IPrisma = 48, IZyl = 49, IPyra = 50, IKegel = 51, IKugel1 = 52,
  IGetAB = 53, IGetABC = 54, IGetVGl = 55, IGerade = 56, IEbene = 57, IKugel2 = 58,
  IX2d = 59, IXGer2d = 60, IXGerKr = 61, IXKreis = 62,
  IX3d = 63, IXGer3d = 64, IXGerEb = 65, IXEbene = 66, IXGerK = 67, IXEbKu = 68, IXKugel = 69,
  IAbstand = 70, IAbstPP = 71, IAbstPG = 72, IAbstPE = 73, IAbstGG = 74, IAbstGE = 75,
  IAbstEE = 76, IAbstGPS = 77,
  IAna = 78, IFolgen = 79, IPolDiv = 80, IPolFak = 81, IPolTrans = 82, IPolyggT = 83,
  IFPlot1 = 84, IFPLot2 = 85, IFPLot3 = 86, ISchar = 87, IPolFkt = 88, IRatFkt = 89,
  IKudis = 90, IIter = 91, IReihen = 92, IInteg = 93, IPlot3d = 94,
  ISto = 95, IStat = 96, IRegr = 97, IVerhulst = 98, IKombi = 99, IBinVer = 100,
  IHypVer = 101, INormVer = 102,
  ILinAlg = 103, ILGS = 104, ILinOpt = 105, ILinKom = 106, ISProd = 107, IVProd = 108,
  ISpat = 109, IMatInv = 110, IMatMul = 111, IPseudo = 112,
  IMat = 113, ITabelle = 114, IRange = 115, IFenster = 116, IPopUp = 117, IFlipFlop = 118,
  IMeldung = 119,
};
inline constexpr int TextPageCount = 120;

// The built-in languages (the LanguageKind values 0..2).
enum class TextLanguage { German = 0, English = 1, French = 2 };

// One text of a page in one built-in language.
struct TextItem {
  int item;
  std::u16string_view text;
};

// Adds a page's texts for one built-in language (see the comment at the top).
class TextPageRegistration {
public:
  TextPageRegistration(TTextIndex page, TextLanguage language, std::span<const TextItem> items);
  TextPageRegistration(TTextIndex page, TextLanguage language, std::initializer_list<TextItem> items)
      : TextPageRegistration(page, language, std::span<const TextItem>(items.begin(), items.size())) {}
  ~TextPageRegistration();
  TextPageRegistration(const TextPageRegistration&) = delete;
  TextPageRegistration& operator=(const TextPageRegistration&) = delete;

private:
  int id_ = 0;
};

// Registrations that were ignored: "page item language" per line, a second text
// for a pair already present or a text for a pair that the language must lack.
QStringList RegisteredTextConflicts();

// Number of texts a built-in table holds on a page (with the registered ones).
int BuiltInTextCount(TextLanguage language, TTextIndex page);

// The text in the current language (zw::shellState().LanguageKind). A text that
// is missing, empty, made of blanks only or exactly "xxx" is replaced by the
// English one. Never fails; the result may be empty.
QString GetText(TTextIndex page, int item);
// GetText(IMeldung, n).
QString GetMessageText(int n);

// Decorated forms, which follow the reading direction (shellState().RightToLeft).
QString GetTextEq(TTextIndex page, int item);       // "text = "  /  " = text"
QString GetTextColon(TTextIndex page, int item);    // "text: "   /  " :text"
QString GetTextBlank(TTextIndex page, int item);    // "text "    /  " text"
QString GetTextSpaced(TTextIndex page, int item);   // " text "
QString GetTextSpaced2(TTextIndex page, int item);  // "  text  "

// What a failed write says: "Die Datei konnte nicht geschrieben werden: "
// (IDatei 22) and the file, then the system's reason on a line of its own.
QString FileNotWrittenText(const QString& file, const QString& reason = {});

// The built-in tables themselves: the text of the pair, or the empty text.
QString GermanText(TTextIndex page, int item);
QString EnglishText(TTextIndex page, int item);
QString FrenchText(TTextIndex page, int item);
QString BuiltInText(TextLanguage language, TTextIndex page, int item);

// The text of the external language in slot 3..6, with the English text for a
// missing key or the value "xxx" (an empty value stays empty). A slot without
// a file, or any other slot number, gives the English texts.
QString ExternalText(int slot, TTextIndex page, int item);

// Section name of a page in language files ("" for IVorlage, IHuge and the
// reserved values).
QString TextPageName(TTextIndex page);

// Path of the language file of slot 3..6: AppFolder + name + ".txt". A suffix
// of the slot's name that begins with ":" is cut off, and the bare name is
// stored back into shellState().LanguageNames. Other slots give "". It lives
// with the settings reader (shell/Settings.cpp), which opens the files.
QString LanguageFileName(int slot);

// The text, CR LF and a line of macrons (U+00AF) about as wide as the text in
// the measured font.
QString UnderlineText(const TextMeasurer& font, const QString& text);
// UnderlineText's two lines appended to memo lines (a heading).
void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text);

}  // namespace zw
