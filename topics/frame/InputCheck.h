#pragma once
// How a topic window checks its inputs when the results page is entered.
// Every strategy reads each field with ReadValue and the field's kind letter;
// they differ in what the user sees when fields are bad:
//  - OneBoxFirstField: all fields are read first; when any failed, the input
//    page comes back, one error box shows message 22 and the first bad field
//    (in registry order) takes the focus;
//  - OneBoxPerField: each field in turn through ReadEditValue: every bad
//    field brings its own box and takes the focus, so the last one keeps it;
//  - OneBoxLastField: all fields are read first; when any failed, one box
//    shows message 22, then every bad field takes the focus in reading
//    order, so the last bad field keeps it.
// Grid cells (kind 'f') are checked after the fields in both strategies
// through ReadGridValues: every bad cell gets a box and the cell editor.
// The values are stored in the registry only when everything passed.
#include <vector>

#include "kernel/CheckedInput.h"
#include "kernel/Types.h"

class QWidget;

namespace zw {

class FieldRegistry;
class StringGrid;
struct InputField;

enum class InputCheck { OneBoxFirstField, OneBoxPerField, OneBoxLastField };

// What a check does on the window (TopicWindow implements it).
class InputCheckUi {
public:
  virtual ~InputCheckUi() = default;
  // The input page to the front, without running its change handler.
  virtual void showInputPage() = 0;
  // The modal error box with a numbered message; false when the window was
  // closed while the box was open (the check then stops at once).
  virtual bool showError(int message) = 0;
  virtual void focusField(QWidget* field) = 0;
  virtual void focusCell(StringGrid* grid, int col, int row) = 0;
};

// The cells of a string grid as the kernel's cell check reads them.
class StringGridCells : public GridCells {
public:
  explicit StringGridCells(const StringGrid& g) : g_(g) {}
  int columnCount() const override;
  int rowCount() const override;
  std::u16string cell(int col, int row) const override;

private:
  const StringGrid& g_;
};

// The reading without any reaction: each field's value (0 for a field of
// kind 0, which is not read) and the indexes of the fields that failed.
struct FieldReading {
  std::vector<Extended> values;
  std::vector<int> bad;
};
FieldReading ReadAllFields(const std::vector<InputField>& fields);

// Runs the strategy; true when every field and cell passed.
bool CheckInputs(InputCheck strategy, FieldRegistry& registry, InputCheckUi& ui);

}  // namespace zw
