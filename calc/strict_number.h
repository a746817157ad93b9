// The reader of every number the planning takes: the panel's fields,
// celforo-calc's options and the values a solve aims at. The three lengths of
// a set-up keep ReadNumber's lenient rule; everything else is read here, and
// only here, so that every front end accepts and refuses the same texts.
#pragma once

#include <limits>
#include <string_view>

namespace celforo {

// What a quantity may be: within [least, most], and above zero where it must
// be positive. The bounds are inclusive.
struct NumberRule {
  bool positive = false;
  double least = -std::numeric_limits<double>::infinity();
  double most = std::numeric_limits<double>::infinity();
};

inline constexpr NumberRule kAnyNumber{};
inline constexpr NumberRule kPositiveNumber{true};

// Why a text is not a number the rule allows. Checked in this order.
enum class NumberFault {
  None,
  Empty,         // "", "  "
  DecimalComma,  // "3,75": a number if the comma were a point
  Malformed,     // "25x0", "2o", "abc", "inf", "nan", "1 000", "--3"
  NotFinite,     // "1e999"
  NotPositive,   // "0", "-2" where the rule is positive
  OutOfRange,    // outside [least, most]
};

struct NumberReading {
  double value = 0;  // meaningful when fault is None
  NumberFault fault = NumberFault::None;
};

// Reads the whole of `text` as one number and checks it against `rule`.
// Spaces and tabs around it are skipped; between them there must be exactly
// an optional "+" or "-", digits with at most one ".", at least one digit,
// and an optional exponent ("e" or "E", an optional sign, digits): " -33.9 "
// is -33.9, "2.5e3" is 2500, ".5" and "5." are numbers. Values are correctly
// rounded, as ReadNumber's are.
NumberReading ReadStrictNumber(std::string_view text, NumberRule rule = kAnyNumber) noexcept;

// Spaces and tabs at both ends taken off: " 1280x960\t" is "1280x960".
std::string_view TrimBlanks(std::string_view text) noexcept;

}  // namespace celforo
