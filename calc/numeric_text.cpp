#include "calc/numeric_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// Doubles are read by fast_float and written by {fmt}, the same code on every
// platform: both are correctly rounded and know no locale.
#include <fast_float/fast_float.h>
#ifndef __cpp_exceptions
// Without exceptions {fmt} still builds the format_error it would throw, and
// with it the run-time's type information, then goes on; none of its errors
// can arise from the steps below, so reaching one stops the program.
#define FMT_THROW(error) std::abort()
#endif
#include <fmt/format.h>

#include "calc/run_time_error.h"

namespace celforo {
namespace {

static_assert(FMT_VERSION == 90100, "WriteDecimal follows {fmt} 9.1's own steps");

enum class Notation { Shortest, Fixed, Exponent };

// What fmt::format_to(out, "{}") writes for a finite `value` of at least
// zero, or "{:.6f}" (Fixed) or "{:.14e}" (Exponent) with `precision` digits
// after the point: {fmt}'s own steps, its digits (format_float: Dragonbox
// for the shortest, else ties to even on the exact binary value) and their
// layout (do_write_float). Its public entries take the notation at run time
// and so keep a branch for hexadecimal, which hands the value to the C
// library's snprintf, and one for a locale's digit grouping; taking the
// steps alone, with no grouping, leaves both out of the program. The
// shortest text is the one "{}" writes: fmt lays out the same digits with
// the same rule where no precision is given.
char* WriteDecimal(char* out, double value, Notation notation, int precision = -1) {
  namespace detail = fmt::detail;
  fmt::format_specs format;  // {fmt}'s own name for a field's format
  format.precision = notation == Notation::Shortest ? -1 : precision;
  format.type = notation == Notation::Fixed      ? fmt::presentation_type::fixed_lower
                : notation == Notation::Exponent ? fmt::presentation_type::exp_lower
                                                 : fmt::presentation_type::none;
  auto floatFormat = detail::parse_float_type_spec(format);
  // An exponent's first digit counts among the digits asked for.
  const int digits = notation == Notation::Exponent ? precision + 1 : format.precision;
  fmt::memory_buffer buffer;
  const int exponent10 = detail::format_float(value, digits, floatFormat, buffer);
  floatFormat.precision = digits;
  const detail::big_decimal_fp decimal{buffer.data(), static_cast<int>(buffer.size()), exponent10};
  return detail::do_write_float<char*, detail::big_decimal_fp, char,
                                detail::fallback_digit_grouping<char>>(out, decimal, format,
                                                                       floatFormat, {});
}

// As fmt writes a double that may be negative or not finite: a sign for any
// negative value, NaN's included, then "inf" or "nan" or the digits.
std::string SignedDecimal(double value, Notation notation, int precision = -1) {
  std::string text = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return text + "nan";
  if (std::isinf(value)) return text + "inf";
  char buffer[400];  // the most a double takes in fixed notation, with nine decimals
  const char* const end = WriteDecimal(buffer, std::fabs(value), notation, precision);
  return text.append(static_cast<const char*>(buffer), end);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// The text of an infinity or a NaN, without the sign column.
std::string NonFiniteText(double value, char decimalSeparator) {
  std::string text = std::signbit(value) && std::isinf(value) ? "-1" : "1";
  text += decimalSeparator;
  text += std::isinf(value) ? "#INF" : "#QNAN";
  return text;
}

#if defined(__SIZEOF_INT128__)
std::uint64_t DoubleBits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

__extension__ using Uint128 = unsigned __int128;

// The value times 10^6, rounded half to even on its exact binary value: the
// digits SixDecimalText writes. For magnitudes below 1E+9 only.
std::uint64_t Micros(double magnitude) {
  const std::uint64_t bits = DoubleBits(magnitude);
  const auto biased = static_cast<int>(bits >> 52);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
  const int shift = 1075 - (biased == 0 ? 1 : biased);  // magnitude = mantissa / 2^shift
  const Uint128 product = static_cast<Uint128>(mantissa) * 1'000'000U;  // below 2^73
  if (shift > 80) return 0;  // below a tenth of a millionth
  if (shift <= 0) return static_cast<std::uint64_t>(product << -shift);
  const auto whole = static_cast<std::uint64_t>(product >> shift);
  const Uint128 rest = product & ((Uint128{1} << shift) - 1);
  const Uint128 half = Uint128{1} << (shift - 1);
  return whole + ((rest > half || (rest == half && (whole & 1))) ? 1 : 0);
}

// ResultText for magnitudes below 1E+9, from the six-decimal digits q alone.
// The three steps give the same text: q has at most 15 digits, so the double
// read back from the six-decimal text, written at 15 significant digits,
// gives back exactly q / 10^6 (15 digits survive a trip through a double).
Computed<std::string> ShortResultText(double value) {
  const std::uint64_t micros = Micros(std::fabs(value));
  if (micros == 0) return RunTimeError(RunTimeErrorKind::TypeMismatch);
  std::string text(1, std::signbit(value) ? '-' : ' ');
  char digits[24];
  // The whole part is at most 10^9, the fraction below 10^6: 32 bits hold
  // both, and their digits are written by the same code as other counts.
  const auto whole = static_cast<std::uint32_t>(micros / 1'000'000);
  if (whole != 0) text.append(digits, std::to_chars(digits, digits + sizeof digits, whole).ptr);
  auto fraction = static_cast<std::uint32_t>(micros % 1'000'000);
  if (fraction != 0) {
    int places = 6;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --places;
    }
    char* end = std::to_chars(digits, digits + sizeof digits, fraction).ptr;
    text += '.';
    text.append(static_cast<std::size_t>(places - (end - digits)), '0');
    text.append(digits, end);
  }
  return text;
}
#endif

}  // namespace

NumberScan ScanNumber(std::string_view text) noexcept {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t numberBegin = at;
  at = SkipDigits(text, at);
  bool anyDigit = at > numberBegin;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionBegin = at + 1;
    at = SkipDigits(text, fractionBegin);
    anyDigit = anyDigit || at > fractionBegin;
  }
  if (!anyDigit) return {0.0, 0};
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponentBegin = at + 1;
    if (exponentBegin < text.size() && (text[exponentBegin] == '+' || text[exponentBegin] == '-')) {
      ++exponentBegin;
    }
    const std::size_t exponentEnd = SkipDigits(text, exponentBegin);
    if (exponentEnd > exponentBegin) at = exponentEnd;
  }

  // The text from numberBegin to at is a whole number of the form above, which
  // fast_float reads in full: beyond the double range it gives infinity, below
  // half the smallest subnormal zero.
  double magnitude = 0.0;
  fast_float::from_chars(text.data() + numberBegin, text.data() + at, magnitude);
  return {negative ? -magnitude : magnitude, at};
}

double ReadNumber(std::string_view text) noexcept {
  return ScanNumber(text).value;
}

std::string SignedNumberText(double value) {
  if (!std::isfinite(value)) {
    std::string text = NonFiniteText(value, '.');
    if (text[0] != '-') text = ' ' + text;
    return text;
  }
  std::string text(1, std::signbit(value) && value != 0.0 ? '-' : ' ');
  if (value == 0.0) return text + '0';

  // "d.dddddddddddddde+XX": the first digit, 14 more, the exponent.
  char buffer[32];
  const char* written = WriteDecimal(buffer, std::fabs(value), Notation::Exponent, 14);
  const std::string_view scientific(buffer, static_cast<std::size_t>(written - buffer));
  const std::size_t letter = scientific.find('e');
  std::string digits;
  digits += scientific[0];
  digits += scientific.substr(2, letter - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const char* exponentText = scientific.data() + letter + 1;
  if (*exponentText == '+') ++exponentText;
  int exponent = 0;
  std::from_chars(exponentText, written, exponent);

  if (exponent >= -6 && exponent < 15) {
    if (exponent < 0) {
      text += '.';
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text += digits;
    } else {
      const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= integerDigits) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
      } else {
        text.append(digits, 0, integerDigits);
        text += '.';
        text.append(digits, integerDigits);
      }
    }
    return text;
  }
  text += digits[0];
  if (digits.size() > 1) {
    text += '.';
    text.append(digits, 1);
  }
  text += exponent < 0 ? "E-" : "E+";
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) text += '0';
  char exponentDigits[8];
  text.append(exponentDigits,
              std::to_chars(exponentDigits, exponentDigits + sizeof exponentDigits, magnitude).ptr);
  return text;
}

std::string SixDecimalText(double value, char decimalSeparator) {
  if (!std::isfinite(value)) return NonFiniteText(value, decimalSeparator);
  // The largest double has 309 integer digits; six decimals and a point follow.
  char buffer[330];
  const char* written = WriteDecimal(buffer, std::fabs(value), Notation::Fixed, 6);
  std::string_view fixed(buffer, static_cast<std::size_t>(written - buffer));
  const std::size_t point = fixed.find('.');
  std::string_view integer = fixed.substr(0, point);
  std::string_view fraction = fixed.substr(point + 1);
  if (integer == "0") integer = {};
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);

  std::string text;
  if (std::signbit(value) && !(integer.empty() && fraction.empty())) text += '-';
  text += integer;
  text += decimalSeparator;
  text += fraction;
  return text;
}

Computed<std::string> ResultText(double value) {
  if (!std::isfinite(value)) return RunTimeError(RunTimeErrorKind::Overflow);
#if defined(__SIZEOF_INT128__)
  if (std::fabs(value) < 1e9) return ShortResultText(value);
#endif
  const std::string shown = SixDecimalText(value, '.');
  const NumberScan readBack = ScanNumber(shown);
  if (readBack.consumed == 0) return RunTimeError(RunTimeErrorKind::TypeMismatch);
  return SignedNumberText(readBack.value);
}

// 5e-7 as a double lies just below the true 5e-7, and the double after it
// just above: a magnitude up to it rounds to zero, ties to even or not.
Computed<std::string> MeasureText(double value) {
  if (std::fabs(value) <= 5e-7) return std::string(" 0");
  return ResultText(value);
}

std::string FixedText(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 9) decimals = 9;
  return SignedDecimal(value, Notation::Fixed, decimals);
}

std::string ShortestText(double value) {
  return SignedDecimal(value, Notation::Shortest);
}

}  // namespace celforo
