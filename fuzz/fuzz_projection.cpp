#include "fuzz/fuzz_projection.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#if defined(__GLIBC__)
#include <locale.h>
#include <stdlib.h>
#endif

#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"

namespace celforo::fuzz {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view text, std::string_view expected = {}) {
  std::fprintf(stderr, "invariant broken: %s: \"%.*s\"", what, static_cast<int>(text.size()),
               text.data());
  if (!expected.empty()) {
    std::fprintf(stderr, ", expected \"%.*s\"", static_cast<int>(expected.size()), expected.data());
  }
  std::fprintf(stderr, "\n");
  std::abort();
}

[[noreturn]] void Broken(const char* what, double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  Broken(what, text);
}

[[maybe_unused]] bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

[[maybe_unused]] bool Same(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A text, or the kind of the run-time error that took its place.
using Outcome = std::variant<std::string, RunTimeErrorKind>;

Outcome OutcomeOf(const Computed<std::string>& computed) {
  if (!computed) return computed.error()->kind();
  return *computed;
}

std::string Describe(const Outcome& outcome) {
  if (const auto* text = std::get_if<std::string>(&outcome)) return *text;
  return "RunTimeError " + std::to_string(RunTimeErrorNumber(std::get<RunTimeErrorKind>(outcome)));
}

#if defined(__GLIBC__)
// The C library's conversions in the "C" locale: the reference the rules are
// held against.
locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return locale;
}

std::string Printed(const char* format, double value) {
  const locale_t previous = uselocale(CLocale());
  char text[400];  // the largest double has 309 integer digits
  std::snprintf(text, sizeof text, format, value);
  uselocale(previous);
  return text;
}

// ScanNumber against strtod_l on the text after the leading blanks, where
// the two grammars agree: a number that starts with a digit, or with a point
// and a digit, after an optional sign. Elsewhere (hexadecimal, "inf", "nan",
// other white space) ScanNumber reads what its own grammar gives.
void CheckScan(std::string_view text) {
  const NumberScan scan = ScanNumber(text);
  if (scan.consumed > text.size()) Broken("read past the text", text);
  const std::size_t blanks = std::min(text.find_first_not_of(" \t"), text.size());
  const std::string_view rest = text.substr(blanks);
  const std::size_t sign = !rest.empty() && (rest[0] == '+' || rest[0] == '-') ? 1 : 0;
  const std::string_view body = rest.substr(sign);
  const bool number = !body.empty() &&
                      (IsDigit(body[0]) || (body.size() > 1 && body[0] == '.' && IsDigit(body[1])));
  if (!number) {
    if (scan.consumed != 0 || !Same(scan.value, 0.0)) Broken("a number without digits", text);
    return;
  }
  if (body.size() > 1 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
    // strtod reads hexadecimal; ScanNumber reads the zero and stops at the x.
    if (scan.consumed != blanks + sign + 1 || scan.value != 0.0) Broken("0x read on", text);
    return;
  }
  const std::string copy(rest);  // strtod also stops at a NUL, as ScanNumber does
  char* end = nullptr;
  const double expected = strtod_l(copy.c_str(), &end, CLocale());
  const auto consumed = blanks + static_cast<std::size_t>(end - copy.c_str());
  if (scan.consumed != consumed) Broken("consumed length differs from strtod", text);
  if (!Same(scan.value, expected))
    Broken("value differs from strtod", text, Printed("%a", expected));
}

// SixDecimalText against "%.6f" of the magnitude, trimmed to the pattern:
// no zero before the point, no trailing fraction zeros, "-" unless zero.
void CheckSixDecimals(double value) {
  const std::string shown = SixDecimalText(value);
  if (!std::isfinite(value)) {
    const char* expected = std::isnan(value) ? "1.#QNAN" : value < 0 ? "-1.#INF" : "1.#INF";
    if (shown != expected) Broken("SixDecimalText of a non-finite value", shown, expected);
    return;
  }
  const std::string fixed = Printed("%.6f", std::fabs(value));
  const std::size_t point = fixed.find('.');
  std::string_view integer = std::string_view(fixed).substr(0, point);
  std::string_view fraction = std::string_view(fixed).substr(point + 1);
  if (integer == "0") integer = {};
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  std::string expected = std::signbit(value) && !(integer.empty() && fraction.empty()) ? "-" : "";
  expected.append(integer).append(".").append(fraction);
  if (shown != expected) Broken("SixDecimalText differs from %.6f", shown, expected);
  std::string comma = expected;
  std::replace(comma.begin(), comma.end(), '.', ',');
  if (SixDecimalText(value, ',') != comma) Broken("SixDecimalText with a comma", comma);
}

// SignedNumberText against "%.14e": the same value at 15 significant digits,
// after a sign column, without trailing zeros.
void CheckSignedNumber(double value) {
  const std::string text = SignedNumberText(value);
  if (!std::isfinite(value)) {
    const char* expected = std::isnan(value) ? " 1.#QNAN" : value < 0 ? "-1.#INF" : " 1.#INF";
    if (text != expected) Broken("SignedNumberText of a non-finite value", text, expected);
    return;
  }
  if (text[0] != (value < 0 ? '-' : ' ')) Broken("sign column", text);
  if (text.size() > 22 || text.find("0.") == 1) Broken("SignedNumberText form", text);
  const std::size_t letter = std::min(text.find('E'), text.size());
  const std::string_view mantissa = std::string_view(text).substr(0, letter);
  if (mantissa.find('.') != std::string_view::npos &&
      (mantissa.back() == '0' || mantissa.back() == '.'))
    Broken("trailing zeros", text);
  const double rounded = std::strtod(Printed("%.14e", value).c_str(), nullptr);
  if (!Same(ReadNumber(text), value == 0 ? 0.0 : rounded)) Broken("SignedNumberText value", text);
}

// Whether the value rounds to zero at six decimals, by the C library.
bool RoundsToZero(double value) {
  const std::string fixed = Printed("%.6f", value);
  return fixed.find_first_of("123456789") == std::string::npos;
}
#else
void CheckScan(std::string_view text) {
  if (ScanNumber(text).consumed > text.size()) Broken("read past the text", text);
}
void CheckSixDecimals(double) {}
void CheckSignedNumber(double) {}
bool RoundsToZero(double value) {
  return std::fabs(value) < 5e-7;
}
#endif

// ResultText against its definition: SixDecimalText, read back, then
// SignedNumberText; infinities and NaN fail with Overflow, and a value that
// rounds to zero with TypeMismatch.
void CheckResultText(double value) {
  const Outcome actual = OutcomeOf(ResultText(value));
  const Outcome expected = [&]() -> Outcome {
    if (!std::isfinite(value)) return RunTimeErrorKind::Overflow;
    const NumberScan readBack = ScanNumber(SixDecimalText(value));
    if (readBack.consumed == 0) return RunTimeErrorKind::TypeMismatch;
    return SignedNumberText(readBack.value);
  }();
  if (actual != expected) Broken("ResultText", Describe(actual), Describe(expected));
  if (std::isfinite(value) &&
      (actual == Outcome(RunTimeErrorKind::TypeMismatch)) != RoundsToZero(value))
    Broken("TypeMismatch exactly when rounding to zero", value);
}

void CheckTexts(double value) {
  CheckSixDecimals(value);
  CheckSignedNumber(value);
  CheckResultText(value);
}

constexpr auto kOverflow = RunTimeErrorKind::Overflow;

// The failure a quotient gives: a zero divisor fails with DivisionByZero, or
// with Overflow for 0 / 0; a quotient beyond the range with Overflow.
std::optional<RunTimeErrorKind> QuotientFailure(double numerator, double denominator) {
  if (denominator == 0) return numerator == 0 ? kOverflow : RunTimeErrorKind::DivisionByZero;
  if (!std::isfinite(numerator / denominator)) return kOverflow;
  return std::nullopt;
}

bool Finite(double a, double b, double c) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// ComputeProjection fails with the kind its inputs call for, or gives results
// whose shown texts obey ResultText.
void CheckComputation(double objective, double eyepiece, double extraction) {
  std::optional<RunTimeErrorKind> expected =
      Finite(objective, eyepiece, extraction) ? QuotientFailure(eyepiece, extraction) : kOverflow;
  if (!expected) {
    const double magnification = eyepiece / extraction;
    if (!Finite(magnification * objective, 1 + magnification, eyepiece * (1 + magnification)))
      expected = kOverflow;
  }
  const Computed<ProjectionResults> results = ComputeProjection({objective, eyepiece, extraction});
  if (!results) {
    if (results.error()->kind() != expected)
      Broken("ComputeProjection failed otherwise", extraction);
    return;
  }
  if (expected) Broken("computed where it should fail", extraction);
  CheckResultText(results->magnification);
  CheckResultText(results->equivalentFocalLength);
  CheckResultText(results->focalPlaneDistance);
}

// The solved extraction fails as its quotient does; when all stays in the
// normal range, computing with it gives back the value asked for, within a
// few roundings.
void CheckSolve(double objective, double eyepiece, double wanted) {
  constexpr double kTolerance = 8 * std::numeric_limits<double>::epsilon();
  const auto normal = [](double value) { return std::isnormal(value); };
  const double product = eyepiece * objective;
  std::optional<RunTimeErrorKind> expected =
      !Finite(objective, eyepiece, wanted) || !std::isfinite(product)
          ? std::optional(kOverflow)
          : QuotientFailure(product, wanted);
  if (const Computed<double> extraction = ExtractionForFocalLength(objective, eyepiece, wanted);
      !extraction) {
    if (extraction.error()->kind() != expected)
      Broken("ExtractionForFocalLength failed otherwise", wanted);
  } else {
    if (expected) Broken("focal length solved where it should fail", wanted);
    if (normal(objective) && normal(eyepiece) && normal(product) && normal(*extraction) &&
        normal(eyepiece / *extraction)) {
      if (const Computed<ProjectionResults> back =
              ComputeProjection({objective, eyepiece, *extraction})) {
        if (std::fabs(back->equivalentFocalLength - wanted) > kTolerance * std::fabs(wanted))
          Broken("focal length round trip", wanted);
      }
    }
  }

  expected =
      !Finite(eyepiece, wanted, 0) ? std::optional(kOverflow) : QuotientFailure(eyepiece, wanted);
  if (const Computed<double> extraction = ExtractionForMagnification(eyepiece, wanted);
      !extraction) {
    if (extraction.error()->kind() != expected)
      Broken("ExtractionForMagnification failed otherwise", wanted);
  } else {
    if (expected) Broken("magnification solved where it should fail", wanted);
    if (normal(eyepiece) && normal(wanted) && normal(*extraction)) {
      const double back = eyepiece / *extraction;  // the magnification ComputeProjection forms
      if (std::fabs(back - wanted) > kTolerance * std::fabs(wanted))
        Broken("magnification round trip", wanted);
    }
  }
}

// A date text: what ParseDateText accepts it gives back unchanged when written
// again in the same form; ReadInstant agrees with the range; an instant in the
// range gives every body a finite, positive size.
void CheckDateText(std::string_view text) {
  const std::optional<DateText> parsed = ParseDateText(text);
  const InstantReading reading = ReadInstant(text);
  if (!parsed) {
    if (reading.problem != DateProblem::Malformed) Broken("unparsed date read", text);
    return;
  }
  const CivilTime& c = parsed->civil;
  char again[48];
  if (text.size() == 10) {
    std::snprintf(again, sizeof again, "%04d-%02d-%02d", c.year, c.month, c.day);
  } else {
    const char separator = text[10];
    const bool seconds = text.size() > 16 && text[16] == ':';
    int length = std::snprintf(again, sizeof again, "%04d-%02d-%02d%c%02d:%02d", c.year, c.month,
                               c.day, separator, c.hour, c.minute);
    if (seconds)
      length += std::snprintf(again + length, sizeof again - static_cast<std::size_t>(length),
                              ":%02d", c.second);
    if (parsed->offsetMinutes && text.back() == 'Z') {
      std::snprintf(again + length, sizeof again - static_cast<std::size_t>(length), "Z");
    } else if (parsed->offsetMinutes) {
      const int offset = *parsed->offsetMinutes;
      std::snprintf(again + length, sizeof again - static_cast<std::size_t>(length), "%c%02d:%02d",
                    offset < 0 ? '-' : '+', std::abs(offset) / 60, std::abs(offset) % 60);
    }
  }
  if (text != again) Broken("date text not written back the same", text, again);
  if (reading.problem == DateProblem::Malformed) Broken("parsed date refused", text);
  if (reading.problem == DateProblem::None) {
    if (!InEphemerisRange(reading.instant)) Broken("instant out of range accepted", text);
    for (const TargetRecord& record : kTargets) {
      const std::optional<TargetSize> size = ApparentSize(record.target, reading.instant);
      if (!size || !std::isfinite(size->diameter) || size->diameter <= 0)
        Broken("no finite size in range", text);
    }
  } else if (reading.problem == DateProblem::OutOfRange && parsed->offsetMinutes &&
             InEphemerisRange(reading.instant)) {
    Broken("instant in range refused", text);
  }
}

// Objective, eyepiece, extraction, and a wanted focal length or magnification.
void CheckValues(const double (&values)[4]) {
  for (const double value : values) CheckTexts(value);
  CheckComputation(values[0], values[1], values[2]);
  CheckSolve(values[0], values[1], values[3]);
}

}  // namespace

void CheckProjection(const std::uint8_t* data, std::size_t size) {
  // The texts of the three boxes and of a wanted value, one a line; missing
  // ones are empty boxes.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string_view texts[4];
  std::size_t start = 0;
  for (std::string_view& text : texts) {
    if (start > bytes.size()) break;
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    text = bytes.substr(start, end - start);
    start = end + 1;
  }
  double values[4];
  for (std::size_t i = 0; i < 4; ++i) {
    CheckScan(texts[i]);
    values[i] = ReadNumber(texts[i]);
  }
  CheckValues(values);
  CheckDateText(texts[0]);

  // The last bytes also taken as doubles, so every bit pattern is reached:
  // subnormals, NaNs, the largest magnitudes.
  const std::size_t count = std::min<std::size_t>(4, size / sizeof(double));
  if (count == 0) return;
  double raw[4] = {2500, 5, 3, 4166.666667};
  std::memcpy(raw, data + size - count * sizeof(double), count * sizeof(double));
  CheckValues(raw);
}

}  // namespace celforo::fuzz
