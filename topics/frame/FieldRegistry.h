#pragma once
// The inputs of a topic window as data: every edit field with its worksheet
// key, kind letter and default text, the cells of its grids, and further
// integer or text keys (spinners, check boxes, choices). Loading, saving and
// New work on the registry alone, so no topic writes them again, and the
// reading strategies (topics/frame/InputCheck.h) check the same list.
#include <QString>
#include <functional>
#include <vector>

#include "kernel/Types.h"

class QLineEdit;

namespace zw {

class IniFile;
class StringGrid;

struct InputField {
  QString key;                // worksheet key
  QLineEdit* edit = nullptr;  // the field; its raw text is what is stored
  char16_t kind = 0;          // ReadValue kind letter; 0: a text that is not read as a number
  QString defaultText;        // what a missing key loads as
  // The longest text the field's check accepts, when the kind letter does
  // not tell it (kind 0, or a topic's own narrower check): the layout check
  // fills the field with it and the field must show it whole.
  QString longest;
};

// The longest text a field accepts: its own, else the widest plain number
// of its kind letter (empty for a kind-0 field that names none).
QString LongestAcceptedText(const InputField& field);

// Every non-fixed cell of a grid, each under the key `cellKey` gives it (a
// cell whose key is empty is not stored).
struct GridBinding {
  StringGrid* grid = nullptr;
  std::function<QString(int col, int row)> cellKey;
  QString defaultText;
  // The longest text a cell holds, when it is not a number (a grid whose
  // cells the window sets itself): the layout check fills the cells with it.
  QString longest;
};

// A value that is not an edit field's text: a text, or an integer within a
// range.
struct ExtraKey {
  QString key;
  std::function<QString()> get;
  std::function<void(const QString&)> setText;  // text keys
  std::function<void(int)> setInteger;           // integer keys
  QString defaultText;
  int defaultInteger = 0, minInteger = 0, maxInteger = 0;
};

// A stored integer: the trimmed text is an optional sign and decimal digits
// whose value lies in minValue .. maxValue; anything else (missing, empty,
// "2.5", "3x", out of range) gives defaultValue.
int StoredInteger(const QString& text, int defaultValue, int minValue, int maxValue);

// How a section is written.
enum class SavePolicy {
  RawTexts,         // every field's raw text under its key
  NonEmptyTrimmed,  // the section is erased first; only non-empty texts, trimmed
};

class FieldRegistry {
public:
  // Fields are read, loaded and saved in the order they are added; the first
  // one is the window's first input.
  InputField& addField(const QString& key, QLineEdit* edit, char16_t kind, const QString& defaultText = {});
  GridBinding& addGrid(StringGrid* grid, std::function<QString(int col, int row)> cellKey,
                       const QString& defaultText = {});
  void addText(const QString& key, std::function<QString()> get, std::function<void(const QString&)> set,
               const QString& defaultText = {});
  // An integer key (a choice, a count): `set` only ever receives a value in
  // minValue .. maxValue; a stored value that is not a whole number in that
  // range, or none, loads as defaultValue (which lies in the range).
  void addInteger(const QString& key, std::function<int()> get, std::function<void(int)> set, int defaultValue,
                  int minValue, int maxValue);

  const std::vector<InputField>& fields() const { return fields_; }
  const std::vector<GridBinding>& grids() const { return grids_; }
  const std::vector<ExtraKey>& extras() const { return extras_; }
  const InputField* field(const QString& key) const;
  int indexOf(const QString& key) const;

  // Puts the section's values (or the defaults) into the controls.
  void load(const IniFile& ini, const QString& section) const;
  // Writes the controls' values into the section.
  void save(IniFile& ini, const QString& section, SavePolicy policy) const;

  // The values of the last reading that passed, by field index (0 before).
  const std::vector<Extended>& values() const { return values_; }
  Extended value(int index) const;
  // The value of the field with that key (0 for an unknown key): topics read
  // their fields by key, so adding a field never shifts another one.
  Extended value(const QString& key) const;
  void setValues(std::vector<Extended> values) { values_ = std::move(values); }

private:
  std::vector<InputField> fields_;
  std::vector<GridBinding> grids_;
  std::vector<ExtraKey> extras_;
  std::vector<Extended> values_;
};

}  // namespace zw
