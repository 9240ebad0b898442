#pragma once
// The one failure type of computations: thrown at the point of failure with the
// number of the message (page IMeldung) that the window shows for it.
#include <exception>
#include <string>

namespace zw {

namespace msg {
inline constexpr int TooFewData = 3;        // "Zu wenig Eingaben"
inline constexpr int TooManyData = 4;       // "Zu viele Eingaben"
inline constexpr int NoSolution = 5;        // "Keine Lösung"
inline constexpr int NoUniqueSolution = 6;  // "Keine eindeutige Lösung"
inline constexpr int IndeterminatePlane = 18;  // "Ebene E unbestimmt"
inline constexpr int ImproperData = 21;     // "Unzulässige Daten"
inline constexpr int InvalidInput = 22;     // "Unzulässige Eingabe"
inline constexpr int ImproperArgument = 23; // "Unzulässiges Argument"
inline constexpr int DivisionByZero = 24;   // "Division durch Null"
inline constexpr int SyntaxError = 43;      // "Syntaxfehler"
inline constexpr int Overflow = 44;         // "overflow"
}  // namespace msg

class CalcFailure : public std::exception {
public:
  explicit CalcFailure(int message = msg::DivisionByZero, std::string detail = {})
      : message_(message), detail_(std::move(detail)) {
    what_ = "calculation failed (message " + std::to_string(message_) + ")";
    if (!detail_.empty()) what_ += ": " + detail_;
  }
  int message() const noexcept { return message_; }
  const std::string& detail() const noexcept { return detail_; }
  const char* what() const noexcept override { return what_.c_str(); }

private:
  int message_;
  std::string detail_;
  std::string what_;
};

}  // namespace zw
