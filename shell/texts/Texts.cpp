#include "shell/texts/Texts.h"

#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/TextTables.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace zw {
namespace {

using texts_detail::BuiltInRow;

constexpr int kLanguages = 3;

// Pages whose texts belong to the shell alone: the built-in rows hold them
// completely, so registrations cannot add to them.
constexpr bool shellOwnsPage(int page) {
  switch (page) {
    case IVorlage: case ITool: case IPage: case IDatei: case 4: case IHelp: case 6: case 7:
    case IOpt: case IPrint: case IQuit: case IAlg: case IGeo: case IAna: case ISto:
    case ILinAlg: case IHuge: case IMat: case ITabelle: case IRange: case IFenster:
    case IPopUp: case IFlipFlop: case IMeldung:
      return true;
    default:
      return false;
  }
}

std::u16string_view rowText(const BuiltInRow& r, int language) {
  return language == 0 ? r.de : language == 1 ? r.en : r.fr;
}

// Sort key of a row (the rows are sorted by it) or of a (page, item) pair.
std::pair<int, int> rowKey(const BuiltInRow& r) { return {r.page, r.item}; }
std::pair<int, int> rowKey(const std::pair<int, int>& p) { return p; }

struct Registration {
  int id;
  TTextIndex page;
  int language;
  std::vector<TextItem> items;
};

// All texts of the three built-in languages, page by page, each page sorted by
// item. Built from the shell's rows and the registrations at the first lookup
// after a registration.
class TextIndex {
public:
  int add(TTextIndex page, int language, std::span<const TextItem> items) {
    pending_.push_back({++lastId_, page, language, {items.begin(), items.end()}});
    dirty_ = true;
    return lastId_;
  }

  void remove(int id) {
    std::erase_if(pending_, [id](const Registration& r) { return r.id == id; });
    dirty_ = true;
  }

  const std::vector<TextItem>& page(int language, int page) {
    if (dirty_) rebuild();
    return pages_[language][page];
  }

  QStringList conflicts() {
    if (dirty_) rebuild();
    return conflicts_;
  }

private:
  void rebuild() {
    for (auto& lang : pages_)
      for (auto& p : lang) p.clear();
    conflicts_.clear();
    // A pair is owned by the shell when its row exists, whatever the language;
    // an empty text there means the language lacks it on purpose.
    const auto rows = texts_detail::builtInRows();
    auto shellHasRow = [&rows](int page, int item) {
      return std::binary_search(rows.begin(), rows.end(), std::pair{page, item},
                                [](const auto& a, const auto& b) { return rowKey(a) < rowKey(b); });
    };
    for (const BuiltInRow& r : rows)
      for (int l = 0; l < kLanguages; ++l)
        if (!rowText(r, l).empty()) pages_[l][r.page].push_back({r.item, rowText(r, l)});
    for (const Registration& reg : pending_) {
      auto& list = pages_[reg.language][reg.page];
      for (const TextItem& t : reg.items) {
        const bool shellPair = shellOwnsPage(reg.page) || shellHasRow(reg.page, t.item);
        const bool twice = std::any_of(list.begin(), list.end(),
                                       [&](const TextItem& e) { return e.item == t.item; });
        if (shellPair || twice || t.text.empty()) {
          static const char* const kNames[] = {"German", "English", "French"};
          conflicts_ << QStringLiteral("%1 %2 %3")
                            .arg(TextPageName(reg.page))
                            .arg(t.item)
                            .arg(QLatin1String(kNames[reg.language]));
          continue;
        }
        list.push_back(t);
      }
    }
    for (auto& lang : pages_)
      for (auto& p : lang)
        std::stable_sort(p.begin(), p.end(),
                         [](const TextItem& a, const TextItem& b) { return a.item < b.item; });
    dirty_ = false;
  }

  std::vector<Registration> pending_;
  std::array<std::array<std::vector<TextItem>, TextPageCount>, kLanguages> pages_;
  QStringList conflicts_;
  int lastId_ = 0;
  bool dirty_ = true;
};

TextIndex& textIndex() {
  static TextIndex index;
  return index;
}

// Blank in the sense of the lookup: nothing but characters of code 32 and below.
bool isBlank(const QString& s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() <= 32; });
}

QString builtIn(int language, TTextIndex page, int item) {
  if (static_cast<unsigned>(page) >= TextPageCount) return {};
  const std::vector<TextItem>& list = textIndex().page(language, page);
  auto it = std::lower_bound(list.begin(), list.end(), item,
                             [](const TextItem& e, int i) { return e.item < i; });
  if (it == list.end() || it->item != item) return {};
  // The texts are constant data: the string refers to them without a copy.
  return QString::fromRawData(reinterpret_cast<const QChar*>(it->text.data()),
                              static_cast<qsizetype>(it->text.size()));
}

constexpr std::array<const char*, TextPageCount> kPageNames = {
    "", "ITool", "IPage", "IDatei", "", "IHelp", "", "", "IOpt", "IPrint", "IQuit",
    "IAlg", "IPrim", "IPrimtup", "IPrfz", "IggT", "IProz", "IDez2Br", "IBr2Dez", "IBino",
    "IGlei4", "IDio", "IPyth", "", "ISysteme", "IBruch", "IComplex", "IBigInt", "IWinCalc",
    "IGeo", "IDrei", "IDrei1", "IDrei2", "IDrei3", "IBesGer", "IPoly1", "IPoly2", "IAbb",
    "IKreis", "ITang", "IKoSys", "IPlaton", "ITetra", "IHexa", "IOkta", "IDodeka", "IIkosa",
    "IKoerp", "IPrisma", "IZyl", "IPyra", "IKegel", "IKugel1", "IGetAB", "IGetABC",
    "IGetVGl", "IGerade", "IEbene", "IKugel2", "IX2d", "IXGer2d", "IXGerKr", "IXKreis",
    "IX3d", "IXGer3d", "IXGerEb", "IXEbene", "IXGerK", "IXEbKu", "IXKugel", "IAbstand",
    "IAbstPP", "IAbstPG", "IAbstPE", "IAbstGG", "IAbstGE", "IAbstEE", "IAbstGPS", "IAna",
    "IFolgen", "IPolDiv", "IPolFak", "IPolTrans", "IPolyggT", "IFPlot1", "IFPlot2",
    "IFPlot3", "ISchar", "IPolFkt", "IRatFkt", "IKudis", "IIter", "IReihen", "IInteg",
    "IPlot3d", "ISto", "IStat", "IRegr", "IVerhulst", "IKombi", "IBinVer", "IHypVer",
    "INormVer", "ILinAlg", "ILGS", "ILinOpt", "ILinKom", "ISProd", "IVProd", "ISpat",
    "IMatInv", "IMatMul", "IPseudo", "IMat", "ITabelle", "IRange", "IFenster", "IPopUp",
    "IFlipFlop", "IMeldung"};

}  // namespace

TextPageRegistration::TextPageRegistration(TTextIndex page, TextLanguage language,
                                           std::span<const TextItem> items) {
  const int l = static_cast<int>(language);
  if (static_cast<unsigned>(page) < TextPageCount && l >= 0 && l < kLanguages)
    id_ = textIndex().add(page, l, items);
}

TextPageRegistration::~TextPageRegistration() {
  if (id_ != 0) textIndex().remove(id_);
}

QStringList RegisteredTextConflicts() { return textIndex().conflicts(); }

int BuiltInTextCount(TextLanguage language, TTextIndex page) {
  const int l = static_cast<int>(language);
  if (static_cast<unsigned>(page) >= TextPageCount || l < 0 || l >= kLanguages) return 0;
  return static_cast<int>(textIndex().page(l, page).size());
}

QString BuiltInText(TextLanguage language, TTextIndex page, int item) {
  const int l = static_cast<int>(language);
  return l >= 0 && l < kLanguages ? builtIn(l, page, item) : QString();
}
QString GermanText(TTextIndex page, int item) { return builtIn(0, page, item); }
QString EnglishText(TTextIndex page, int item) { return builtIn(1, page, item); }
QString FrenchText(TTextIndex page, int item) { return builtIn(2, page, item); }

QString ExternalText(int slot, TTextIndex page, int item) {
  const QString* value = languageFileValue(slot, page, item);
  if (!value || *value == u"xxx") return EnglishText(page, item);
  return *value;
}

QString GetText(TTextIndex page, int item) {
  const int kind = shellState().LanguageKind;
  QString text;
  switch (kind) {
    case 0: text = GermanText(page, item); break;
    case 2: text = FrenchText(page, item); break;
    case 3: case 4: case 5: case 6: text = ExternalText(kind, page, item); break;
    default: return EnglishText(page, item);
  }
  if (text == u"xxx" || isBlank(text)) return EnglishText(page, item);
  return text;
}

QString GetMessageText(int n) { return GetText(IMeldung, n); }

namespace {
// text + after normally, before + text from right to left.
QString decorated(TTextIndex page, int item, const char16_t* after, const char16_t* before) {
  const QString text = GetText(page, item);
  return shellState().RightToLeft ? QString::fromUtf16(before) + text : text + QString::fromUtf16(after);
}
}  // namespace

QString GetTextEq(TTextIndex page, int item) { return decorated(page, item, u" = ", u" = "); }
QString GetTextColon(TTextIndex page, int item) { return decorated(page, item, u": ", u" :"); }
QString GetTextBlank(TTextIndex page, int item) { return decorated(page, item, u" ", u" "); }
QString GetTextSpaced(TTextIndex page, int item) { return u' ' + GetText(page, item) + u' '; }
QString GetTextSpaced2(TTextIndex page, int item) {
  return QStringLiteral("  ") + GetText(page, item) + QStringLiteral("  ");
}

QString FileNotWrittenText(const QString& file, const QString& reason) {
  QString text = GetTextColon(IDatei, 22) + QDir::toNativeSeparators(file);
  if (!reason.isEmpty()) text += u'\n' + reason;
  return text;
}

QString TextPageName(TTextIndex page) {
  if (static_cast<unsigned>(page) >= TextPageCount) return {};
  return QString::fromLatin1(kPageNames[page]);
}

QString UnderlineText(const TextMeasurer& font, const QString& text) {
  static constexpr char16_t kMacron = u'\u00AF';
  const int w1 = font.textWidth(std::u16string_view(&kMacron, 1));
  const int w2 = font.textWidth(std::u16string_view(
      reinterpret_cast<const char16_t*>(text.constData()), static_cast<std::size_t>(text.size())));
  // Rounded half up; a font without a visible macron gets no line at all.
  const int n = w1 > 0 ? static_cast<int>(std::trunc(double(w2) / w1 + 0.5)) : 0;
  return text + QStringLiteral("\r\n") + QString(n, QChar(kMacron));
}

void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text) {
  lines += UnderlineText(font, text).split(QStringLiteral("\r\n"));
}

}  // namespace zw
