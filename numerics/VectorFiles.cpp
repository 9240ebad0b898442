// Text files of the vectors: line 1 holds the first and the last element
// number, then one element per line, CR LF line ends.
#include <cmath>
#include <string>

#include "common/AtomicFile.h"
#include "numerics/NumberText.h"
#include "numerics/Vector.h"

namespace zw {

template <class T>
template <class Format>
bool TVectorT<T>::storeText(std::int32_t FirstElem, std::int32_t LastElem, const std::string& FileName,
                            Format format) const {
  if (FirstElem > LastElem) std::swap(FirstElem, LastElem);
  FirstElem = std::max(FirstElem, 1);
  LastElem = std::min(LastElem, NrOfElem());
  std::string text = std::to_string(FirstElem) + " " + std::to_string(LastElem) + "\r\n";
  for (std::int32_t i = FirstElem; i <= LastElem; ++i) text += format(Elem(i)) + "\r\n";
  return WriteFileAtomic(FileName, text);
}

bool TVector::StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, std::int32_t Precision,
                          const std::string& FileName) const {
  if (Precision < -2) Precision = 2;  // as the format always did: -7 gives two decimals
  if (Precision > 20) Precision = 20;
  const int width = Precision == -2 ? 26 : Precision == -1 ? 13 : 1;
  return storeText(FirstElem, LastElem, FileName, [&](double v) { return FormatReal(v, width, Precision); });
}

bool TIntVector::StoreOnFile(std::int32_t FirstElem, std::int32_t LastElem, const std::string& FileName) const {
  return storeText(FirstElem, LastElem, FileName, [](std::int32_t v) { return std::to_string(v); });
}

template <class T>
bool TVectorT<T>::LoadFromFile(const std::string& FileName, bool AdjustVectorSize) {
  std::string bytes;
  if (!ReadWholeFile(FileName, bytes)) return false;
  TTextNumbers in(bytes);
  std::int32_t first = 0, last = 0;
  if (in.Integer(first) != TTextNumbers::TRead::Ok || in.Integer(last) != TTextNumbers::TRead::Ok) return false;
  if (AdjustVectorSize) {
    // A size that no sane file asks for is refused before allocating.
    if (last > kMaxFileCells) return false;
    Resize(last);
  }
  const bool ok = last <= NrOfElem();
  if (ok) {
    for (std::int64_t i = first; i <= last; ++i) {
      double v = 0;
      const auto got = in.Real(v);
      if (got == TTextNumbers::TRead::End) break;  // the rest stays as it is
      if (got != TTextNumbers::TRead::Ok || i < 1) continue;
      if constexpr (std::is_integral_v<T>) {
        const double r = std::nearbyint(v);  // halves to even
        if (!(r >= -2147483648.0 && r <= 2147483647.0)) continue;
        SetElem(static_cast<std::int32_t>(i), static_cast<T>(r));
      } else {
        SetElem(static_cast<std::int32_t>(i), v);
      }
    }
  }
  Changed();
  return ok;
}

template bool TVectorT<double>::LoadFromFile(const std::string&, bool);
template bool TVectorT<std::int32_t>::LoadFromFile(const std::string&, bool);

}  // namespace zw
