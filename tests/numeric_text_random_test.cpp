// A million seeded random cases per rule, compared with the C library's own
// conversions under an explicitly created "C" locale, which share no code with
// the rules under test.
#include <gtest/gtest.h>

#include <locale.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "calc/numeric_text.h"
#include "calc/run_time_error.h"

namespace celforo {
namespace {

constexpr int kCases = 1'000'000;

// The "C" locale, made for this thread for the life of the object.
#ifndef _WIN32
class CLocale {
public:
  CLocale() : locale_(newlocale(LC_ALL_MASK, "C", nullptr)), previous_(uselocale(locale_)) {}
  ~CLocale() {
    uselocale(previous_);
    freelocale(locale_);
  }
  CLocale(const CLocale&) = delete;
  CLocale& operator=(const CLocale&) = delete;

  double Read(const char* text, std::size_t* consumed = nullptr) const {
    char* end = nullptr;
    const double value = strtod_l(text, &end, locale_);
    if (consumed) *consumed = static_cast<std::size_t>(end - text);
    return value;
  }
  // printf with one double, for "%.6f" and "%.14e".
  std::string Print(const char* format, double value) const {
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    return std::string(buffer, static_cast<std::size_t>(length));
  }

private:
  locale_t locale_;
  locale_t previous_;
};
#else
// Windows lets a thread have a locale of its own. The conversions are
// mingw-w64's C99 ones, correctly rounded: the system's msvcrt.dll printf
// stops at 17 significant digits and pads with zeros.
class CLocale {
public:
  CLocale()
      : mode_(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)),
        previous_(std::setlocale(LC_ALL, nullptr)) {
    std::setlocale(LC_ALL, "C");
  }
  ~CLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
    _configthreadlocale(mode_);
  }
  CLocale(const CLocale&) = delete;
  CLocale& operator=(const CLocale&) = delete;

  double Read(const char* text, std::size_t* consumed = nullptr) const {
    char* end = nullptr;
    const double value = __mingw_strtod(text, &end);
    if (consumed) *consumed = static_cast<std::size_t>(end - text);
    // For a text with no number at all, such as "-x", it gives -0: the C
    // standard's zero is the plain one, as every other C library returns.
    return end == text ? 0.0 : value;
  }
  // printf with one double, for "%.6f" and "%.14e".
  std::string Print(const char* format, double value) const {
    char buffer[400];
    const int length = __mingw_snprintf(buffer, sizeof buffer, format, value);
    return std::string(buffer, static_cast<std::size_t>(length));
  }

private:
  int mode_;
  std::string previous_;
};
#endif

// The C library's six-decimal text, stripped to the rule's form.
std::string ReferenceSixDecimal(const CLocale& c, double value) {
  std::string fixed = c.Print("%.6f", std::fabs(value));
  while (fixed.back() == '0') fixed.pop_back();
  if (fixed.rfind("0.", 0) == 0) fixed.erase(0, 1);
  if (fixed != "." && std::signbit(value)) fixed.insert(0, 1, '-');
  return fixed;
}

// Checks that `text` is the one canonical signed text of `rounded`, the value
// rounded to 15 significant digits: the digits read back to `rounded`, and the
// form (sign column, no superfluous zero, at most 15 digits, exponent only
// outside [1E-6, 1E+15)) leaves no other text possible.
::testing::AssertionResult IsSignedTextOf(const CLocale& c, const std::string& text,
                                          double rounded) {
  auto fail = [&](const char* why) {
    return ::testing::AssertionFailure()
           << why << ": \"" << text << "\" for " << c.Print("%.17g", rounded);
  };
  if (text.size() < 2 || text[0] != (rounded < 0 ? '-' : ' ')) return fail("sign column");
  if (c.Read(text.c_str() + 1) != std::fabs(rounded)) return fail("value");
  const std::string body = text.substr(1);
  const std::size_t letter = body.find('E');
  const std::string mantissa = body.substr(0, letter);
  const std::size_t point = mantissa.find('.');
  // Significant digits: from the first non-zero one on.
  int digits = 0;
  for (const char ch : mantissa) digits += (digits > 0 || (ch >= '1' && ch <= '9')) && ch != '.';
  if (rounded == 0) return body == "0" ? ::testing::AssertionSuccess() : fail("zero");
  if (digits > 15) return fail("more than 15 digits");
  if (point != std::string::npos && (point + 1 == mantissa.size() || mantissa.back() == '0'))
    return fail("trailing point or zero");
  if (mantissa[0] == '0') return fail("leading zero");
  const double magnitude = std::fabs(rounded);
  const bool plain = magnitude >= 1e-6 && magnitude < 1e15;
  if (plain != (letter == std::string::npos)) return fail("plain or exponent form");
  if (plain) {
    // A whole number with trailing zeros is fine, a point without fraction is not.
    return ::testing::AssertionSuccess();
  }
  if (point != std::string::npos && point != 1) return fail("mantissa not below 10");
  if (point == std::string::npos && mantissa.size() != 1) return fail("mantissa not below 10");
  const std::string exponent = body.substr(letter + 1);
  if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-'))
    return fail("exponent sign");
  if (exponent.size() > 3 && exponent[1] == '0') return fail("exponent zero padding");
  return ::testing::AssertionSuccess();
}

// Doubles across 1E-8 to 1E+17 with either sign, exact six-decimal ties, the
// doubles nearest the decimal half-way points, and now and then any finite bit
// pattern at all.
class ValueSource {
public:
  explicit ValueSource(std::uint64_t seed) : engine_(seed) {}

  double Next() {
    const double sign = (engine_() & 1) ? -1.0 : 1.0;
    switch (engine_() % 8) {
      case 0: {  // n + odd/128: 1E6 times it ends in exactly .5
        const auto whole = static_cast<double>(engine_() % 1'000'000'000);
        const auto odd = static_cast<double>(2 * (engine_() % 64) + 1);
        return sign * (whole + odd / 128.0);
      }
      case 1: {  // nearest double to a decimal half-way point
        const auto micros = static_cast<double>(engine_() % 100'000'000'000ULL);
        return sign * (micros + 0.5) / 1e6;
      }
      case 2: {
        double value = 0;
        do value = std::bit_cast<double>(engine_());
        while (!std::isfinite(value));
        return value;
      }
      default: return sign * std::pow(10.0, exponent_(engine_));
    }
  }

private:
  std::mt19937_64 engine_;
  std::uniform_real_distribution<double> exponent_{-8.0, 17.0};
};

TEST(RandomComparison, ReadNumberMatchesStrtod) {
  const CLocale c;
  std::mt19937_64 engine(20261207);
  auto pick = [&](std::size_t count) { return engine() % count; };
  const char* const suffixes[] = {"", "x", ",5", " 1", ".", "e", "E+", "mm", "-", "\t"};
  std::string text;
  for (int i = 0; i < kCases; ++i) {
    text.clear();
    text.append(pick(3), pick(2) ? ' ' : '\t');
    if (const auto sign = pick(3); sign > 0) text += sign == 1 ? '+' : '-';
    const std::size_t integers = pick(4) == 0 ? 0 : 1 + pick(24);
    for (std::size_t d = 0; d < integers; ++d) text += static_cast<char>('0' + pick(10));
    if (pick(2)) {
      text += '.';
      const std::size_t fractions = pick(24);
      for (std::size_t d = 0; d < fractions; ++d) text += static_cast<char>('0' + pick(10));
    }
    if (pick(2)) {
      text += pick(2) ? 'e' : 'E';
      if (const auto sign = pick(3); sign > 0) text += sign == 1 ? '+' : '-';
      const std::size_t exponentDigits = pick(4);
      for (std::size_t d = 0; d < exponentDigits; ++d)
        text += static_cast<char>('0' + pick(d == 0 ? 4 : 10));
    }
    text += suffixes[pick(std::size(suffixes))];

    std::size_t expectedConsumed = 0;
    const double expected = c.Read(text.c_str(), &expectedConsumed);
    const NumberScan scan = ScanNumber(text);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(scan.value), std::bit_cast<std::uint64_t>(expected))
        << '"' << text << '"';
    ASSERT_EQ(scan.consumed, expectedConsumed) << '"' << text << '"';
  }
}

TEST(RandomComparison, SixDecimalTextMatchesPrintf) {
  const CLocale c;
  ValueSource values(1);
  for (int i = 0; i < kCases; ++i) {
    const double value = values.Next();
    ASSERT_EQ(SixDecimalText(value), ReferenceSixDecimal(c, value)) << c.Print("%.17g", value);
  }
}

TEST(RandomComparison, SignedNumberTextMatchesPrintf) {
  const CLocale c;
  ValueSource values(2);
  for (int i = 0; i < kCases; ++i) {
    const double value = values.Next();
    const double rounded = c.Read(c.Print("%.14e", value).c_str());
    ASSERT_TRUE(IsSignedTextOf(c, SignedNumberText(value), rounded));
  }
}

// FixedText as printf's "%.Nf" writes it (the C library rounds the exact
// binary value too), and ShortestText as a text that reads back the same
// double.
TEST(RandomComparison, FixedTextMatchesPrintfAndShortestTextReadsBack) {
  const CLocale c;
  ValueSource values(4);
  const char* const formats[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f",
                                 "%.5f", "%.6f", "%.7f", "%.8f", "%.9f"};
  for (int i = 0; i < kCases; ++i) {
    const double value = values.Next();
    if (!std::isfinite(value)) continue;
    const int decimals = i % 10;
    ASSERT_EQ(FixedText(value, decimals), c.Print(formats[decimals], value))
        << c.Print("%.17g", value);
    const std::string shortest = ShortestText(value);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(c.Read(shortest.c_str())),
              std::bit_cast<std::uint64_t>(value))
        << shortest;
  }
}

TEST(RandomComparison, ResultTextMatchesPrintf) {
  const CLocale c;
  ValueSource values(3);
  for (int i = 0; i < kCases; ++i) {
    const double value = values.Next();
    const std::string six = ReferenceSixDecimal(c, value);
    if (six.find_first_of("0123456789") == std::string::npos) {
      const Computed<std::string> shown = ResultText(value);
      ASSERT_FALSE(shown) << "no failure for " << c.Print("%.17g", value);
      ASSERT_EQ(shown.error()->kind(), RunTimeErrorKind::TypeMismatch);
      continue;
    }
    const double readBack = c.Read(c.Print("%.6f", value).c_str());
    const double rounded = c.Read(c.Print("%.14e", readBack).c_str());
    ASSERT_TRUE(IsSignedTextOf(c, *ResultText(value), rounded)) << c.Print("%.17g", value);
  }
}

}  // namespace
}  // namespace celforo
