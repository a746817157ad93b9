#include "calc/run_time_error.h"

#include <charconv>
#include <string>

namespace celforo {

int RunTimeErrorNumber(RunTimeErrorKind kind) noexcept {
  switch (kind) {
    case RunTimeErrorKind::DivisionByZero: return 11;
    case RunTimeErrorKind::Overflow: return 6;
    case RunTimeErrorKind::TypeMismatch: return 13;
  }
  return 0;
}

std::string_view RunTimeErrorDescription(RunTimeErrorKind kind) noexcept {
  switch (kind) {
    case RunTimeErrorKind::DivisionByZero: return "Divisione per zero";
    case RunTimeErrorKind::Overflow: return "Overflow";
    case RunTimeErrorKind::TypeMismatch: return "Tipo non corrispondente";
  }
  return {};
}

RunTimeError::RunTimeError(RunTimeErrorKind kind)
    : std::runtime_error(std::string(RunTimeErrorDescription(kind))), kind_(kind) {}

std::string RunTimeError::report() const {
  char digits[12];
  const auto written = std::to_chars(digits, digits + sizeof digits, number()).ptr;
  std::string text = "Errore di run-time '";
  text.append(digits, written);
  text += "':\n\n";
  text += description();
  return text;
}

}  // namespace celforo
