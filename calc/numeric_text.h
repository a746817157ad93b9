// How texts become numbers and numbers become texts. Every rule uses "." as
// the decimal point and ignores the process locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/run_time_error.h"

namespace celforo {

struct NumberScan {
  double value;          // the number read, or 0 when no digit was read
  std::size_t consumed;  // characters read, leading blanks included; 0 when no digit
};

// Reads the longest leading number of `text`, after any spaces and tabs:
// an optional "+" or "-", digits, optionally "." and digits, optionally "E" or
// "e" with an optional sign and digits. Either digit run around the point may
// be empty, but not both. Reading stops at the first character that cannot
// continue that form: " 3.5mm" reads as 3.5 and stops after 5 characters.
// The value is correctly rounded; beyond the double range it is plus or minus
// infinity, below the smallest subnormal it is a zero of the number's sign.
NumberScan ScanNumber(std::string_view text) noexcept;

// ScanNumber's value: " 2500" reads as 2500, "12,5" as 12, "abc" as 0.
double ReadNumber(std::string_view text) noexcept;

// 15 significant digits after a sign column, without trailing zeros or a zero
// before the point: 2500.0 is written " 2500", -0.25 is written "-.25".
// Magnitudes that round below 0.000001 or to 1E+15 and above take an exponent
// of at least two digits: 1E15 is written " 1E+15", -2.5E-7 "-2.5E-07".
// Zero of either sign is written " 0"; infinities " 1.#INF" and "-1.#INF",
// and NaN " 1.#QNAN".
std::string SignedNumberText(double value);

// The magnitude rounded to six decimals, ties to even on the exact binary
// value, written without a zero before the separator and without trailing
// fraction zeros, the separator always present: 1500.0 is written "1500.",
// -2.5 is written "-2.5", 0.0078125 is written ".007812". A value that rounds
// to zero (of either sign) is the lone separator ".". Infinities are written
// "1.#INF" and "-1.#INF", NaN "1.#QNAN" (with `decimalSeparator` for ".").
std::string SixDecimalText(double value, char decimalSeparator = '.');

// The shown text of a result: SixDecimalText, read back, SignedNumberText:
// 1.6666666666666667 is written " 1.666667". Fails with TypeMismatch when
// the value rounds to zero at six decimals, and with Overflow when it is
// infinite or NaN.
Computed<std::string> ResultText(double value);

// The shown text of a measurement (an altitude, an angle, an offset), where
// zero is a value like any other: ResultText, but a value that rounds to
// zero at six decimals is " 0" rather than a failure: 4e-7 is written " 0",
// -12.5 "-12.5". Fails with Overflow when it is infinite or NaN.
Computed<std::string> MeasureText(double value);

// The value rounded to `decimals` places (0 to 9), ties to even on the exact
// binary value, with a leading zero and "." as the point: 47.25 with one
// decimal is "47.2", 0.5 with none is "0", -3.14159 with two is "-3.14".
// Infinities and NaN are written "inf", "-inf" and "nan".
std::string FixedText(double value, int decimals);

// The shortest text that reads back as the same double, as JSON writes a
// number: 2500.0 is "2500", 0.1 is "0.1", -2.5E-7 is "-2.5e-07", 1E16 is
// "1e+16". For finite values only: an infinity or NaN is written "inf",
// "-inf" or "nan", which no reader of numbers here takes.
std::string ShortestText(double value);

}  // namespace celforo
