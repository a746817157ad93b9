// The three ways a calculation or a conversion can fail.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace celforo {

enum class RunTimeErrorKind { DivisionByZero, Overflow, TypeMismatch };

// The error number the Windows run-time gives each kind: DivisionByZero is 11,
// Overflow 6, TypeMismatch 13.
int RunTimeErrorNumber(RunTimeErrorKind kind) noexcept;

// The Italian description of each kind: DivisionByZero is "Divisione per zero".
std::string_view RunTimeErrorDescription(RunTimeErrorKind kind) noexcept;

class RunTimeError : public std::runtime_error {
public:
  explicit RunTimeError(RunTimeErrorKind kind);

  RunTimeErrorKind kind() const noexcept { return kind_; }
  int number() const noexcept { return RunTimeErrorNumber(kind_); }
  std::string_view description() const noexcept { return RunTimeErrorDescription(kind_); }

  // The text of the run-time error report, number and description on two lines
  // apart: DivisionByZero is "Errore di run-time '11':\n\nDivisione per zero".
  std::string report() const;
  // The same on one line, as a status line or a log gives it:
  // "Errore di run-time '11': Divisione per zero".
  std::string line() const;

private:
  RunTimeErrorKind kind_;
};

}  // namespace celforo
