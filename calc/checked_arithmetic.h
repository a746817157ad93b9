// Double arithmetic that fails as the Windows run-time's does, rather than
// giving an infinity or a NaN.
#pragma once

#include <cmath>
#include <optional>

#include "calc/run_time_error.h"

namespace celforo {

// The steps of one calculation, each checked. The first step that fails is
// the calculation's failure, as if it had stopped there; the steps after it
// go on with whatever it gave, and none of them changes the failure:
//   CheckedArithmetic a;
//   const double m = a.Quotient(eyepiece, extraction);  // 5 / 0: DivisionByZero
//   return a.Result(a.Checked(m * objective));           // the failure, not Overflow
class CheckedArithmetic {
public:
  // The value itself; Overflow when it is not finite.
  double Checked(double value) noexcept {
    if (!std::isfinite(value)) Fail(RunTimeErrorKind::Overflow);
    return value;
  }

  // numerator / denominator: DivisionByZero for a zero denominator, Overflow
  // for 0 / 0 and for a quotient that is not finite.
  double Quotient(double numerator, double denominator) noexcept {
    if (denominator == 0.0) {
      Fail(numerator == 0.0 ? RunTimeErrorKind::Overflow : RunTimeErrorKind::DivisionByZero);
      return 0.0;
    }
    return Checked(numerator / denominator);
  }

  // The value of a calculation within this one, its failure this one's.
  template <typename T>
  T Take(const Computed<T>& step) {
    if (!step) Fail(step.error()->kind());
    return *step;
  }

  // `value`, or the first failure.
  template <typename T>
  Computed<T> Result(T value) const {
    if (failure_) return RunTimeError(*failure_);
    return value;
  }

  bool failed() const noexcept { return failure_.has_value(); }

private:
  void Fail(RunTimeErrorKind kind) noexcept {
    if (!failure_) failure_ = kind;
  }

  std::optional<RunTimeErrorKind> failure_;
};

}  // namespace celforo
