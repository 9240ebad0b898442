#pragma once
// Checked reading of the numbers users type into edit fields and grid cells.
// Every field accepts a term (read by the formula evaluator with X = 0); the
// value is then checked against a kind letter. The reaction to a bad field
// (input page to the front, message 22, focus) goes through InputReactions,
// which the windows implement; the kernel itself shows nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/Types.h"

namespace zw {

// Kind letters that carry a check: 'B' whole, at most 500; 'M' whole, 2..20;
// 'N' whole, >= 0; 'P' >= 0; 'Z' whole; 'i' rounded half away from zero;
// 'n' whole, > 0; 'p' > 0; 'r' |x| <= 90. Others ('e', 'f', ...) only the
// common bound: no |x| > 1e15 is ever accepted.
//
// Sets ok to 1 when the text is accepted, else 0. An empty (or blank) text
// reads as 0. Never shows anything, never throws.
void ReadValue(const std::u16string& text, Extended& x, char16_t kind, std::int32_t& ok);

// The widest plain number ReadValue accepts for a kind letter, as a user types
// it: 15 digits with the sign and the decimal separator the kind allows
// ("-99999999999999,9"), 10^15 for the whole kinds that refuse a sign, "20"
// for 'M'. Fields are sized for it, and the layout check fills them with it.
// Kind 0 (a text the topic reads itself) gives the empty text: only the topic
// knows its longest input.
std::u16string LongestAcceptedNumber(char16_t kind, char16_t separator);

// What a window does when a field is rejected.
class InputReactions {
public:
  virtual ~InputReactions() = default;
  // Brings page pageIndex of the window's page control to the front.
  virtual void showPage(int pageIndex) = 0;
  // Modal error box (error icon, one OK button) with message number `message`.
  virtual void showError(int message) = 0;
  // Puts the focus on the edit field that was read.
  virtual void focusEdit() = 0;
  // Puts the grid into editor mode on cell (col, row) and focuses it.
  virtual void editGridCell(int col, int row) = 0;
};

// The cells of a string grid with one fixed row and one fixed column.
class GridCells {
public:
  virtual ~GridCells() = default;
  virtual int columnCount() const = 0;
  virtual int rowCount() const = 0;
  virtual std::u16string cell(int col, int row) const = 0;
};

// ReadValue on an edit field's text; on rejection: page pageIndex to the
// front, message 22, focus on the edit, ok := 0. On acceptance ok is left as
// it was, so a caller sets ok = 1 once and reads all its fields.
void ReadEditValue(const std::u16string& text, Extended& x, char16_t kind, InputReactions& ui,
                   int pageIndex, std::int32_t& ok);

// Checks every non-fixed cell with kind 'f', column by column; every rejected
// cell gets the reaction (page, message 22, editor on the cell). ok := 1 when
// all cells pass, else 0.
void ReadGridValues(const GridCells& grid, InputReactions& ui, int pageIndex, std::int32_t& ok);

// Reads a whole number in the full 64-bit range (the term evaluated with
// X = 0, rounded half to even). A text that cannot be evaluated, or a value
// outside the 64-bit range, gives n = 0, ok = 0; an empty text gives 0, ok = 1.
void EvalToInt64(const std::u16string& text, std::int64_t& n, std::int32_t& ok);

// Text with leading and trailing blanks and control characters removed.
std::u16string TrimInput(const std::u16string& text);

// A test double that records the reactions in order, as short texts:
// "page 0", "error 22", "focus", "edit 2 1".
class RecordingInputReactions : public InputReactions {
public:
  std::vector<std::string> events;
  void showPage(int pageIndex) override { events.push_back("page " + std::to_string(pageIndex)); }
  void showError(int message) override { events.push_back("error " + std::to_string(message)); }
  void focusEdit() override { events.push_back("focus"); }
  void editGridCell(int col, int row) override {
    events.push_back("edit " + std::to_string(col) + " " + std::to_string(row));
  }
};

}  // namespace zw
