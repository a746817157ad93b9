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

namespace {

// "Errore di run-time '11':", `separator`, then the description.
std::string Report(const RunTimeError& error, std::string_view separator) {
  char digits[12];
  const auto written = std::to_chars(digits, digits + sizeof digits, error.number()).ptr;
  std::string text = "Errore di run-time '";
  text.append(digits, written);
  text += "':";
  text += separator;
  text += error.description();
  return text;
}

}  // namespace

std::string RunTimeError::report() const {
  return Report(*this, "\n\n");
}

std::string RunTimeError::line() const {
  return Report(*this, " ");
}

}  // namespace celforo
