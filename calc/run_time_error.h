// The three ways a calculation or a conversion can fail, and what a
// calculation that can fail gives back: its value or the failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace celforo {

enum class RunTimeErrorKind { DivisionByZero, Overflow, TypeMismatch };

// The error number the Windows run-time gives each kind: DivisionByZero is 11,
// Overflow 6, TypeMismatch 13.
int RunTimeErrorNumber(RunTimeErrorKind kind) noexcept;

// The Italian description of each kind: DivisionByZero is "Divisione per zero".
std::string_view RunTimeErrorDescription(RunTimeErrorKind kind) noexcept;

// A failure as the window reports it. A value, never thrown: calculations
// hand it back in a Computed.
class RunTimeError {
public:
  explicit RunTimeError(RunTimeErrorKind kind) noexcept : kind_(kind) {}

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

// The value of a calculation, or the run-time error that stopped it:
// ComputeProjection of 2500, 5, 0 holds DivisionByZero and no value.
template <typename T>
class Computed {
public:
  // Implicit both: a function returns its value (or what converts to it) or
  // its failure alike.
  template <typename U = T>
  requires std::is_convertible_v<U, T> Computed(U&& value) : value_(std::forward<U>(value)) {}
  Computed(RunTimeError error) : value_(), error_(error) {}

  // A value of another type that converts, or its failure.
  template <typename U>
  Computed(const Computed<U>& other) : value_(other.value_), error_(other.error_) {}

  explicit operator bool() const noexcept { return !error_; }
  // The value; meaningful only where there is no error.
  const T& operator*() const& noexcept { return value_; }
  const T* operator->() const noexcept { return &value_; }
  const std::optional<RunTimeError>& error() const noexcept { return error_; }

private:
  template <typename U>
  friend class Computed;

  T value_;
  std::optional<RunTimeError> error_;
};

}  // namespace celforo
