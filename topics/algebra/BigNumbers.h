#pragma once
// The big-number topic without its window: reading operands and ranges, the
// lines of the four operations, and the rows of the tables one at a time, so
// that a table can run as a stepper and stop after any row.
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "kernel/BigInt.h"

namespace zw {

// The worksheet keys of the eight fields: 0 a, 1 b, 2..4 n1..n3, 5..7 k1..k3.
// A field whose text is not a whole number (or too long for a big integer)
// is refused with InputRejected (message 22) and its key.
inline constexpr const char* BigFieldKeys[8] = {"a", "b", "n1", "n2", "n3", "k1", "k2", "k3"};

// Text of a or b (blanks removed; empty = 0; a leading "-"); more digits
// than a big integer holds are refused as well. `field` is the index of the
// field the text comes from.
void ReadBigOperand(const std::u16string& text, int field, TBigInt& value);

struct BigRange {
  std::int64_t from = 0, to = 0, step = 1;
};
// From, to, step (texts of fields first .. first + 2): an empty "to" gives
// from .. from with step 1; a step <= 0 (or empty) becomes 1; the bounds are
// exchanged when to < from.
BigRange ReadBigRange(const std::u16string& from, const std::u16string& to, const std::u16string& step, int firstField);

// Memo lines of a kernel line text (which may hold a line break).
QStringList BigLines(const std::u16string& text);

// The memo without its last block: the trailing empty lines, then the lines
// above them up to the next empty line (or the first line). An empty memo
// stays empty.
QStringList BigDeleteLastBlock(QStringList lines);

enum class BigOp { Add, Sub, Mul, Div };
// The operation on a and b: c (the quotient) and r (remainder of a division)
// and the memo lines written with `options`. `remainderWord` is the division
// line's "Rest".
QStringList BigOperation(BigOp op, const TBigInt& a, const TBigInt& b, TBigInt& c, TBigInt& r,
                         const std::u16string& remainderWord, const BigIntTextOptions& options);

enum class BigTable { Pow10, Pow2, PowA, Factorial, Binomial, Permutations };

// The rows of a table in order; next() gives the lines of one row (an empty
// line after a one-variable table and after each n of a two-variable one),
// and nothing when the table is done. `askContinue` is asked after the rows
// of each n < to in the two-variable tables; false ends the table. Every row
// is written with the options the table started with.
class BigTableRows {
public:
  BigTableRows(BigTable table, const TBigInt& a, BigRange n, BigRange k, const BigIntTextOptions& options);
  // False when the table is done.
  bool next(QStringList& lines, const std::function<bool()>& askContinue);
  // The last computed value.
  const TBigInt& value() const { return *c_; }

private:
  BigTable table_;
  BigIntTextOptions options_;
  std::unique_ptr<TBigInt> a_, c_;
  BigRange n_, k_;
  std::unique_ptr<TBigInt> scratch_, scratch2_;
  std::int64_t n_cur_, k_cur_;
  bool done_ = false;
};

}  // namespace zw
