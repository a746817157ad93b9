// Double arithmetic that fails as the Windows run-time's does, rather than
// giving an infinity or a NaN.
#pragma once

#include <cmath>

#include "calc/run_time_error.h"

namespace celforo {

// The value itself, or Overflow when it is not finite.
inline double Checked(double value) {
  if (!std::isfinite(value)) throw RunTimeError(RunTimeErrorKind::Overflow);
  return value;
}

// numerator / denominator: DivisionByZero for a zero denominator, Overflow for
// 0 / 0 and for a quotient that is not finite.
inline double CheckedQuotient(double numerator, double denominator) {
  if (denominator == 0.0) {
    throw RunTimeError(numerator == 0.0 ? RunTimeErrorKind::Overflow
                                        : RunTimeErrorKind::DivisionByZero);
  }
  return Checked(numerator / denominator);
}

}  // namespace celforo
