#include "topics/frame/InputCheck.h"

#include <QLineEdit>

#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "shell/kit/Grids.h"
#include "topics/frame/FieldRegistry.h"

namespace zw {

namespace {

std::u16string textOf(const InputField& f) { return f.edit ? f.edit->text().toStdU16String() : std::u16string(); }

// The kernel's reactions, forwarded to the window, with the field or grid
// that is being read.
class Reactions : public InputReactions {
public:
  explicit Reactions(InputCheckUi& ui) : ui_(ui) {}
  QWidget* field = nullptr;
  StringGrid* grid = nullptr;
  bool alive = true;

  void showPage(int) override {
    if (alive) ui_.showInputPage();
  }
  void showError(int message) override {
    if (alive) alive = ui_.showError(message);
  }
  void focusEdit() override {
    if (alive && field) ui_.focusField(field);
  }
  void editGridCell(int col, int row) override {
    if (alive && grid) ui_.focusCell(grid, col, row);
  }

private:
  InputCheckUi& ui_;
};

}  // namespace

int StringGridCells::columnCount() const { return g_.ColCount(); }
int StringGridCells::rowCount() const { return g_.RowCount(); }
std::u16string StringGridCells::cell(int col, int row) const { return g_.Cells(col, row).toStdU16String(); }

FieldReading ReadAllFields(const std::vector<InputField>& fields) {
  FieldReading r;
  r.values.assign(fields.size(), 0);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].kind == 0) continue;
    std::int32_t ok = 0;
    ReadValue(textOf(fields[i]), r.values[i], fields[i].kind, ok);
    if (!ok) r.bad.push_back(static_cast<int>(i));
  }
  return r;
}

bool CheckInputs(InputCheck strategy, FieldRegistry& registry, InputCheckUi& ui) {
  const std::vector<InputField>& fields = registry.fields();
  std::vector<Extended> values(fields.size(), 0);
  Reactions reactions(ui);
  std::int32_t ok = 1;
  if (strategy != InputCheck::OneBoxPerField) {
    FieldReading r = ReadAllFields(fields);
    if (!r.bad.empty()) {
      ui.showInputPage();
      if (!ui.showError(msg::InvalidInput)) return false;
      if (strategy == InputCheck::OneBoxFirstField) {
        ui.focusField(fields[static_cast<std::size_t>(r.bad.front())].edit);
      } else {
        for (int i : r.bad) ui.focusField(fields[static_cast<std::size_t>(i)].edit);
      }
      return false;
    }
    values = std::move(r.values);
  } else {
    for (std::size_t i = 0; i < fields.size() && reactions.alive; ++i) {
      if (fields[i].kind == 0) continue;
      reactions.field = fields[i].edit;
      ReadEditValue(textOf(fields[i]), values[i], fields[i].kind, reactions, 0, ok);
    }
  }
  for (const GridBinding& g : registry.grids()) {
    if (!g.grid || !reactions.alive) continue;
    reactions.grid = g.grid;
    std::int32_t gridOk = 1;
    ReadGridValues(StringGridCells(*g.grid), reactions, 0, gridOk);
    if (!gridOk) ok = 0;
  }
  if (!ok || !reactions.alive) return false;
  registry.setValues(std::move(values));
  return true;
}

}  // namespace zw
