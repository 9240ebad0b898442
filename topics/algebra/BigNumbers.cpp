#include "topics/algebra/BigNumbers.h"

#include <charconv>
#include <functional>
#include <utility>

#include "kernel/CalcFailure.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

std::u16string stripped(const std::u16string& s) {
  std::u16string out;
  for (char16_t c : s)
    if (c != u' ' && c != u'\t' && c != u'\u00A0' && c != u'\u2009') out.push_back(c);
  return out;
}

// A whole number of a range field; empty gives nothing.
std::optional<std::int64_t> readWhole(const std::u16string& text, int field) {
  const std::u16string s = stripped(text);
  if (s.empty()) return std::nullopt;
  std::string a;
  for (char16_t c : s) {
    if (c > 127) throw InputRejected(BigFieldKeys[field]);
    a.push_back(static_cast<char>(c));
  }
  std::int64_t v = 0;
  const auto r = std::from_chars(a.data(), a.data() + a.size(), v);
  if (r.ec != std::errc() || r.ptr != a.data() + a.size()) throw InputRejected(BigFieldKeys[field]);
  return v;
}

// Steps past the end of a range must not wrap.
__int128 wide(std::int64_t v) { return v; }

}  // namespace

void ReadBigOperand(const std::u16string& text, int field, TBigInt& value) {
  try {
    BigIntFromStr(text, value);
  } catch (const CalcFailure&) {
    throw InputRejected(BigFieldKeys[field]);
  }
  if (BigIntIsOverflow(value)) throw InputRejected(BigFieldKeys[field]);
}

BigRange ReadBigRange(const std::u16string& from, const std::u16string& to, const std::u16string& step, int firstField) {
  BigRange r;
  r.from = readWhole(from, firstField).value_or(0);
  const auto t = readWhole(to, firstField + 1);
  const auto s = readWhole(step, firstField + 2);
  if (!t) {
    r.to = r.from;
    r.step = 1;
  } else {
    r.to = *t;
    r.step = s && *s > 0 ? *s : 1;
  }
  if (r.to < r.from) std::swap(r.from, r.to);
  return r;
}

QStringList BigLines(const std::u16string& text) {
  QStringList lines = QString::fromStdU16String(text).split(QStringLiteral("\r\n"));
  if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

QStringList BigDeleteLastBlock(QStringList lines) {
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  while (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines.removeLast();
  return lines;
}

QStringList BigOperation(BigOp op, const TBigInt& a, const TBigInt& b, TBigInt& c, TBigInt& r,
                         const std::u16string& remainderWord, const BigIntTextOptions& options) {
  switch (op) {
    case BigOp::Add: BigIntAdd(a, b, c); return BigLines(BigIntOpLine(a, b, c, u"+", options));
    case BigOp::Sub: BigIntSub(a, b, c); return BigLines(BigIntOpLine(a, b, c, u"\u2013", options));
    case BigOp::Mul: BigIntMul(a, b, c); return BigLines(BigIntOpLine(a, b, c, u"\u00B7", options));
    case BigOp::Div:
      BigIntDivMod(a, b, c, r);
      return BigLines(BigIntDivLine(a, b, c, r, remainderWord, options));
  }
  return {};
}

BigTableRows::BigTableRows(BigTable table, const TBigInt& a, BigRange n, BigRange k,
                           const BigIntTextOptions& options)
    : table_(table), options_(options), a_(std::make_unique<TBigInt>(a)), c_(std::make_unique<TBigInt>()), n_(n), k_(k),
      scratch_(std::make_unique<TBigInt>()), scratch2_(std::make_unique<TBigInt>()), n_cur_(n.from), k_cur_(k.from) {
  BigIntZero(*c_);
}

bool BigTableRows::next(QStringList& lines, const std::function<bool()>& askContinue) {
  lines.clear();
  if (done_) return false;
  const std::int64_t n = n_cur_;
  switch (table_) {
    case BigTable::Pow10:
      BigIntPow10(*c_, n);
      lines = BigLines(BigIntFuncLine(u"10^", *c_, n, options_));
      break;
    case BigTable::Pow2:
      BigIntPow2(*c_, n);
      lines = BigLines(BigIntFuncLine(u"2^", *c_, n, options_));
      break;
    case BigTable::PowA:
      BigIntPower(*a_, n, *c_);
      lines = BigLines(BigIntPowerLine(*a_, *c_, n, options_));
      break;
    case BigTable::Factorial:
      BigIntFactorial(n, *c_);
      lines = BigLines(BigIntFuncLine(u"!", *c_, n, options_));
      break;
    case BigTable::Binomial:
    case BigTable::Permutations: {
      const std::int64_t k = k_cur_;
      const bool bino = table_ == BigTable::Binomial;
      // Along a row, each value follows from the one before with one small
      // product (and quotient); the full computation where that cannot be used.
      bool done = false;
      if (k != k_.from && k_.step == 1 && k > 0 && k <= n && n < BigIntBase && !BigIntIsOverflow(*c_)) {
        TBigInt& f = *scratch_;
        f[0] = 1;  // one limb
        f[1] = n - k + 1;
        BigIntMul(*c_, f, *c_);
        if (bino) {
          f[1] = k;
          BigIntDivMod(*c_, f, *c_, *scratch2_);
        }
        done = !BigIntIsOverflow(*c_);
      }
      if (!done) {
        if (bino) BigIntBinomial(n, k, *c_);
        else BigIntPermutations(n, k, *c_);
      }
      lines = BigLines(BigIntCombLine(*c_, bino ? u"nCr" : u"nPr", n, k, options_));
      // k runs from k1 (always once) while k <= k2 and k <= n.
      if (wide(k) + k_.step <= k_.to && wide(k) + k_.step <= n) {
        k_cur_ = k + k_.step;
        return true;
      }
      k_cur_ = k_.from;
      const bool more = n < n_.to && (!askContinue || askContinue());
      lines.push_back(QString());
      if (!more || wide(n) + n_.step > n_.to) done_ = true;
      else n_cur_ = n + n_.step;
      return true;
    }
  }
  if (wide(n) + n_.step > n_.to) {
    lines.push_back(QString());
    done_ = true;
  } else {
    n_cur_ = n + n_.step;
  }
  return true;
}

}  // namespace zw
