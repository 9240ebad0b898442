#include "topics/frame/FieldRegistry.h"

#include <QLineEdit>

#include "kernel/CheckedInput.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/kit/Grids.h"

namespace zw {

QString LongestAcceptedText(const InputField& field) {
  if (!field.longest.isEmpty()) return field.longest;
  const std::u16string& separator = kernelState().LanguageDecimalSeparator;
  return QString::fromStdU16String(LongestAcceptedNumber(field.kind, separator.empty() ? u',' : separator[0]));
}

InputField& FieldRegistry::addField(const QString& key, QLineEdit* edit, char16_t kind,
                                    const QString& defaultText) {
  fields_.push_back({key, edit, kind, defaultText, {}});
  return fields_.back();
}

GridBinding& FieldRegistry::addGrid(StringGrid* grid, std::function<QString(int, int)> cellKey,
                                    const QString& defaultText) {
  grids_.push_back({grid, std::move(cellKey), defaultText, {}});
  return grids_.back();
}

void FieldRegistry::addText(const QString& key, std::function<QString()> get,
                            std::function<void(const QString&)> set, const QString& defaultText) {
  extras_.push_back({key, std::move(get), std::move(set), {}, defaultText, 0, 0, 0});
}

int StoredInteger(const QString& text, int defaultValue, int minValue, int maxValue) {
  const QString t = text.trimmed();
  // QString::toInt would also take blanks inside and a "+" after trimming;
  // only plain digits after an optional sign count.
  qsizetype i = t.startsWith(u'-') || t.startsWith(u'+') ? 1 : 0;
  if (i >= t.size()) return defaultValue;
  for (qsizetype k = i; k < t.size(); ++k)
    if (t[k] < u'0' || t[k] > u'9') return defaultValue;
  bool ok = false;
  const int v = t.toInt(&ok);
  return ok && v >= minValue && v <= maxValue ? v : defaultValue;
}

void FieldRegistry::addInteger(const QString& key, std::function<int()> get, std::function<void(int)> set,
                               int defaultValue, int minValue, int maxValue) {
  Q_ASSERT(minValue <= defaultValue && defaultValue <= maxValue);
  extras_.push_back({key, [get = std::move(get)] { return QString::number(get()); }, {}, std::move(set),
                     QString::number(defaultValue), defaultValue, minValue, maxValue});
}

const InputField* FieldRegistry::field(const QString& key) const {
  const int i = indexOf(key);
  return i < 0 ? nullptr : &fields_[static_cast<std::size_t>(i)];
}

int FieldRegistry::indexOf(const QString& key) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i].key.compare(key, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

Extended FieldRegistry::value(int index) const {
  return index >= 0 && index < static_cast<int>(values_.size()) ? values_[static_cast<std::size_t>(index)] : 0;
}

Extended FieldRegistry::value(const QString& key) const { return value(indexOf(key)); }

namespace {
template <typename F>
void forEachCell(const GridBinding& g, F f) {
  if (!g.grid || !g.cellKey) return;
  // A cell without a key (a label column) is neither loaded nor saved.
  for (int row = 1; row < g.grid->RowCount(); ++row)
    for (int col = 1; col < g.grid->ColCount(); ++col)
      if (const QString key = g.cellKey(col, row); !key.isEmpty()) f(col, row, key);
}
}  // namespace

void FieldRegistry::load(const IniFile& ini, const QString& section) const {
  for (const InputField& f : fields_)
    if (f.edit) f.edit->setText(ini.readString(section, f.key, f.defaultText));
  for (const GridBinding& g : grids_)
    forEachCell(g, [&](int col, int row, const QString& key) {
      g.grid->setCells(col, row, ini.readString(section, key, g.defaultText));
    });
  for (const ExtraKey& e : extras_) {
    if (e.setInteger)
      e.setInteger(StoredInteger(ini.readString(section, e.key, e.defaultText), e.defaultInteger, e.minInteger,
                                 e.maxInteger));
    else if (e.setText)
      e.setText(ini.readString(section, e.key, e.defaultText));
  }
}

void FieldRegistry::save(IniFile& ini, const QString& section, SavePolicy policy) const {
  if (policy == SavePolicy::NonEmptyTrimmed) ini.eraseSection(section);
  auto put = [&](const QString& key, const QString& text) {
    if (policy == SavePolicy::RawTexts)
      ini.writeString(section, key, text);
    else if (!text.trimmed().isEmpty())
      ini.writeString(section, key, text.trimmed());
  };
  for (const InputField& f : fields_)
    if (f.edit) put(f.key, f.edit->text());
  for (const GridBinding& g : grids_)
    forEachCell(g, [&](int col, int row, const QString& key) { put(key, g.grid->Cells(col, row)); });
  for (const ExtraKey& e : extras_)
    if (e.get) put(e.key, e.get());
}

}  // namespace zw
