#include "numerics/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/StringHelpers.h"
#include "common/Cp1252.h"

namespace zw {

static_assert(std::numeric_limits<long double>::digits == 64, "extended reals are the x87 80-bit format");

bool UsableFileShape(std::int64_t columns, std::int64_t rows) {
  return columns >= 1 && rows >= 1 && columns <= 2147483647 && rows <= 2147483647 &&
         columns * (rows + kColumnCostCells) <= kMaxFileCells;
}

std::int32_t ScanInteger(std::string_view Text, std::int32_t& Pos) {
  const auto len = static_cast<std::int64_t>(Text.size());
  if (len == 0) return 0;
  if (Pos < 1) Pos = 1;
  auto at = [&](std::int64_t p) { return Text[static_cast<std::size_t>(p - 1)]; };
  std::int64_t p = Pos;
  while (p < len && at(p) == ' ') ++p;
  bool negative = false;
  if (p <= len && (at(p) == '-' || at(p) == '+')) {
    negative = at(p) == '-';
    ++p;
  }
  std::int64_t v = 0;
  while (p <= len && at(p) >= '0' && at(p) <= '9') {
    // Saturates instead of wrapping: a long digit run stays at the limit.
    if (v <= 2147483648) v = v * 10 + (at(p) - '0');
    ++p;
  }
  Pos = static_cast<std::int32_t>(std::min<std::int64_t>(p, 2147483647));
  if (negative) v = -v;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -2147483648LL, 2147483647));
}

namespace {

enum TClass { kSep, kBlank, kSign, kDigit, kE, kOther };
constexpr int kEnd = 0, kErr = -1, kExp = 9;  // kExp: 6 with exponents, else end

// Next state for each state 1..8 and character class.
constexpr int kNext[9][6] = {
    {},
    {4, 1, 2, 3, kErr, kErr},
    {4, kErr, kErr, 3, kErr, kErr},
    {4, kEnd, kEnd, 3, kExp, kEnd},
    {kErr, kEnd, kEnd, 5, kExp, kEnd},
    {kErr, kEnd, kEnd, 5, kExp, kEnd},
    {kErr, kErr, 7, 8, kErr, kEnd},
    {kErr, kErr, kErr, 8, kErr, kEnd},
    {kEnd, kEnd, kEnd, 8, kEnd, kEnd},
};

}  // namespace

double ScanReal(std::string_view Text, bool AllowExp, int SepMode, std::int32_t& Pos) {
  if (Pos < 1) Pos = 1;
  std::string num;
  int state = 1;
  long expValue = 0;
  bool expNegative = false;
  for (;;) {
    const std::size_t i = static_cast<std::size_t>(Pos - 1);
    char c = i < Text.size() ? Text[i] : 'Z';  // past the end: a character that ends any number
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    const bool sep = (c == '.' && (SepMode & 1)) || (c == ',' && (SepMode & 2));
    const TClass cls = sep ? kSep
                       : c == ' ' ? kBlank
                       : (c == '+' || c == '-') ? kSign
                       : (c >= '0' && c <= '9') ? kDigit
                       : c == 'E' ? kE
                                   : kOther;
    int next = kNext[state][cls];
    if (next == kExp) next = AllowExp ? 6 : kEnd;
    if (next == kErr) return 0;
    if (next == kEnd) break;
    if (next == 8) {
      if (expValue <= 4200) {
        num += c;
        expValue = expValue * 10 + (c - '0');
      }
    } else if (next == 7) {
      expNegative = c == '-';
      num += c;
    } else if (cls != kBlank) {
      num += sep ? '.' : c;
    }
    state = next;
    ++Pos;
  }
  // A dangling exponent mark ("1E", "1E+") is dropped.
  if (state == 6) num.pop_back();
  if (state == 7) num.resize(num.size() - 2);
  if (!num.empty() && num.back() == '.') num += '0';
  if (!num.empty() && num.front() == '+') num.erase(0, 1);
  const char* const first = num.data();
  const char* const last = first + num.size();
  double v = 0;
  const auto [p, ec] = std::from_chars(first, last, v);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the doubles: the wider type tells overflow from underflow.
    long double w = 0;
    if (std::from_chars(first, last, w).ec == std::errc())
      v = std::fabs(w) > 1 ? (w < 0 ? -1.7e308 : 1.7e308) : 0.0;
    else
      v = expNegative ? 0.0 : (num.front() == '-' ? -1.7e308 : 1.7e308);
  } else if (ec != std::errc() || p != last) {
    return 0;
  }
  return std::clamp(v, -1.7e308, 1.7e308);
}

std::string FormatReal(double x, int Width, int Decimals) {
  // -2 would select the two-digit exponent field of FormatFixedWidth.
  if (Decimals < 0 || std::fabs(x) >= 1e36) return FormatFixedWidth(Width, -1, x);
  return FormatFixedWidth(Width, Decimals, x);
}

std::string FormatGeneral15(double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
  std::string s(buf, r.ptr);  // [-]d.dddddddddddddde[+-]XX
  const std::size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  std::string mant = s.substr(0, e);
  const bool negative = mant.front() == '-';
  if (negative) mant.erase(0, 1);
  std::string digits = mant.substr(0, 1) + mant.substr(2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits + std::string(intDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  }
  return out;
}

TExtendedBytes EncodeExtended(double x) {
  std::uint64_t mant = 0;
  std::uint16_t se = std::signbit(x) ? 0x8000 : 0;
  if (std::isnan(x)) {
    se |= 0x7FFF;
    mant = 0xC000000000000000ULL;
  } else if (std::isinf(x)) {
    se |= 0x7FFF;
    mant = 0x8000000000000000ULL;
  } else if (x != 0) {
    int e = 0;
    const double m = std::frexp(std::fabs(x), &e);  // m in [0.5, 1), also for subnormals
    mant = static_cast<std::uint64_t>(std::ldexp(m, 64));
    se |= static_cast<std::uint16_t>(e - 1 + 16383);
  }
  TExtendedBytes b{};
  for (int k = 0; k < 8; ++k) b[static_cast<std::size_t>(k)] = static_cast<unsigned char>(mant >> (8 * k));
  b[8] = static_cast<unsigned char>(se & 0xFF);
  b[9] = static_cast<unsigned char>(se >> 8);
  return b;
}

long double DecodeExtended(const TExtendedBytes& b) {
  std::uint64_t mant = 0;
  for (int k = 7; k >= 0; --k) mant = (mant << 8) | b[static_cast<std::size_t>(k)];
  const unsigned se = b[8] | (unsigned{b[9]} << 8);
  const bool negative = se & 0x8000;
  const int exp = static_cast<int>(se & 0x7FFF);
  long double v;
  if (exp == 0x7FFF) {
    v = (mant << 1) == 0 && (mant >> 63) ? std::numeric_limits<long double>::infinity()
                                         : std::numeric_limits<long double>::quiet_NaN();
  } else {
    // Denormals have the exponent of the smallest normal; a missing integer
    // bit (an "unnormal") is read as the value its bits give.
    v = std::ldexp(static_cast<long double>(mant), (exp == 0 ? 1 : exp) - 16383 - 63);
  }
  return negative ? -v : v;
}

void WriteStreamExtended(std::ostream& out, double x) {
  const TExtendedBytes b = EncodeExtended(x);
  out.write(reinterpret_cast<const char*>(b.data()), 10);
}

void WriteStreamInteger(std::ostream& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  const char b[4] = {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                     static_cast<char>(u >> 24)};
  out.write(b, 4);
}

std::optional<long double> ReadStreamExtended(std::istream& in) {
  TExtendedBytes b{};
  if (!in.read(reinterpret_cast<char*>(b.data()), 10)) return std::nullopt;
  return DecodeExtended(b);
}

std::optional<std::int32_t> ReadStreamInteger(std::istream& in) {
  unsigned char b[4];
  if (!in.read(reinterpret_cast<char*>(b), 4)) return std::nullopt;
  return static_cast<std::int32_t>(b[0] | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
                                   (std::uint32_t{b[3]} << 24));
}

namespace {

template <class Get>
bool ReadLineWith(std::string& line, Get get) {
  line.clear();
  bool any = false;
  for (int c; (c = get()) != EOF;) {
    any = true;
    if (c == '\n') return true;
    if (c >= 0x20 || c == '\t') line += static_cast<char>(c);
  }
  return any;
}

}  // namespace

bool ReadStreamLine(std::istream& in, std::string& line) {
  std::streambuf* sb = in.rdbuf();
  const bool got = ReadLineWith(line, [&] {
    const int c = sb ? sb->sbumpc() : EOF;
    return c == std::char_traits<char>::eof() ? EOF : c;
  });
  if (!got) in.setstate(std::ios::eofbit);
  return got;
}

bool ReadFileLine(std::FILE* file, std::string& line) {
  return ReadLineWith(line, [&] { return std::fgetc(file); });
}

bool ReadWholeFile(const std::string& name, std::string& bytes) {
  bytes.clear();
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return false;
  char buf[1 << 16];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::string Utf8ToCp1252(std::string_view s) {
  std::u16string u;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::uint32_t cp = c;
    std::size_t n = 1;
    if (c >= 0xF0) cp = c & 0x07, n = 4;
    else if (c >= 0xE0) cp = c & 0x0F, n = 3;
    else if (c >= 0xC0) cp = c & 0x1F, n = 2;
    else if (c >= 0x80) n = 1, cp = 0xFFFD;
    if (i + n > s.size()) n = s.size() - i, cp = 0xFFFD;
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    u += cp > 0xFFFF ? u'?' : static_cast<char16_t>(cp);
    i += n;
  }
  return cp1252::Encode(u);
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  for (char16_t ch : cp1252::Decode(bytes)) {
    if (ch < 0x80) {
      out += static_cast<char>(ch);
    } else if (ch < 0x800) {
      out += static_cast<char>(0xC0 | (ch >> 6));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (ch >> 12));
      out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    }
  }
  return out;
}

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

std::string_view TTextNumbers::next() {
  auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; };
  while (pos_ < text_.size() && space(text_[pos_])) ++pos_;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !space(text_[pos_])) ++pos_;
  return text_.substr(start, pos_ - start);
}

TTextNumbers::TRead TTextNumbers::Integer(std::int32_t& value) {
  std::string_view t = next();
  if (t.empty()) return TRead::End;
  if (t.front() == '+' && t.size() > 1 && t[1] != '-') t.remove_prefix(1);
  const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  return ec == std::errc() && p == t.data() + t.size() ? TRead::Ok : TRead::Bad;
}

TTextNumbers::TRead TTextNumbers::Real(double& value) {
  std::string_view t = next();
  if (t.empty()) return TRead::End;
  if (t.front() == '+' && t.size() > 1 && t[1] != '-') t.remove_prefix(1);
  double v = 0;
  const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || p != t.data() + t.size()) return TRead::Bad;
  value = v;
  return TRead::Ok;
}

}  // namespace zw
