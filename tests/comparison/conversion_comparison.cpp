// Holds the text rules of calc/ to the frozen ones of old_numeric_text.cpp on
// millions of doubles and number texts of the hard kinds, and counts every
// difference: all four rules on each double (SixDecimalText with both
// separators, ResultText's text or failure), ScanNumber's value (to the bit)
// and length on each text.
//
// Usage: conversion_comparison [MILLIONS_OF_DOUBLES [MILLIONS_OF_TEXTS [SEED]]]
// (10, 5 and 1 by default). Prints the counts by kind; status 1 on any
// difference.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "tests/comparison/old_numeric_text.h"

namespace {

using celforo::NumberScan;

std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) {
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string Exact(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

// A rule's text, or the number of the error it fails with.
template <typename Rule>
std::string Outcome(Rule rule, double value) {
  try {
    return rule(value);
  } catch (const celforo::RunTimeError& error) {
    return "<fails with " + std::to_string(error.number()) + ">";
  }
}

class Tally {
public:
  void Count(const char* kind) {
    if (kinds_.empty() || kinds_.back().name != kind) kinds_.push_back({kind, 0, 0});
    ++kinds_.back().values;
  }
  void Differ(const std::string& what) {
    ++kinds_.back().differences;
    if (++shown_ <= 20) std::printf("DIFFERENCE %s\n", what.c_str());
  }
  std::uint64_t Print(const char* title) const {
    std::uint64_t values = 0, differences = 0;
    std::printf("%s\n", title);
    for (const Kind& kind : kinds_) {
      std::printf("  %-42s %10" PRIu64 " values %6" PRIu64 " differences\n", kind.name.c_str(),
                  kind.values, kind.differences);
      values += kind.values;
      differences += kind.differences;
    }
    std::printf("  %-42s %10" PRIu64 " values %6" PRIu64 " differences\n", "total", values,
                differences);
    return differences;
  }

private:
  struct Kind {
    std::string name;
    std::uint64_t values;
    std::uint64_t differences;
  };
  std::vector<Kind> kinds_;
  int shown_ = 0;
};

void CompareDouble(Tally& tally, double value) {
  auto differ = [&](const char* rule, const std::string& before, const std::string& now) {
    if (before != now)
      tally.Differ(std::string(rule) + "(" + Exact(value) + "): was \"" + before + "\", is \"" +
                   now + "\"");
  };
  differ("SignedNumberText", celforo::old::SignedNumberText(value),
         celforo::SignedNumberText(value));
  differ("SixDecimalText", celforo::old::SixDecimalText(value, '.'),
         celforo::SixDecimalText(value, '.'));
  differ("SixDecimalText,", celforo::old::SixDecimalText(value, ','),
         celforo::SixDecimalText(value, ','));
  differ("ResultText", Outcome([](double v) { return celforo::old::ResultText(v); }, value),
         Outcome([](double v) { return celforo::ResultText(v); }, value));
}

void CompareText(Tally& tally, const std::string& text) {
  const NumberScan before = celforo::old::ScanNumber(text);
  const NumberScan now = celforo::ScanNumber(text);
  if (Bits(before.value) != Bits(now.value) || before.consumed != now.consumed ||
      Bits(celforo::ReadNumber(text)) != Bits(before.value)) {
    tally.Differ("ScanNumber(\"" + text.substr(0, 120) + "\"): was " + Exact(before.value) + "/" +
                 std::to_string(before.consumed) + ", is " + Exact(now.value) + "/" +
                 std::to_string(now.consumed));
  }
}

class Source {
public:
  explicit Source(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t Bits64() { return engine_(); }
  // 0 to count - 1.
  std::uint64_t Below(std::uint64_t count) { return engine_() % count; }
  double Sign() { return (engine_() & 1) ? -1.0 : 1.0; }
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
  }
  // The value moved by up to `steps` doubles either way.
  double Nudge(double value, int steps) {
    const auto moves = static_cast<int>(Below(static_cast<std::uint64_t>(2 * steps + 1))) - steps;
    const double toward = moves < 0 ? -std::numeric_limits<double>::infinity()
                                    : std::numeric_limits<double>::infinity();
    for (int i = 0; i < std::abs(moves); ++i) value = std::nextafter(value, toward);
    return value;
  }
  // A double with the biased exponent in [low, high] and random mantissa bits.
  double WithExponent(std::uint64_t low, std::uint64_t high) {
    const std::uint64_t exponent = low + Below(high - low + 1);
    return FromBits((exponent << 52) | (engine_() & ((std::uint64_t{1} << 52) - 1)));
  }
  std::string Digits(std::size_t count, bool nonZeroFirst = false) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i)
      digits += static_cast<char>(i == 0 && nonZeroFirst ? '1' + Below(9) : '0' + Below(10));
    return digits;
  }

private:
  std::mt19937_64 engine_;
};

using DoubleKind = std::function<double(Source&)>;
using TextKind = std::function<std::string(Source&)>;

std::vector<std::pair<const char*, DoubleKind>> DoubleKinds() {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  return {
      {"exact ties at six decimals",
       [](Source& s) {
         // An odd number of 128ths: a million times it ends in exactly .5.
         const std::uint64_t odd = (s.Bits64() >> (11 + s.Below(53))) | 1;
         return s.Sign() * static_cast<double>(odd) / 128.0;
       }},
      {"near ties at six decimals",
       [](Source& s) {
         const std::uint64_t scale = 10 + s.Below(16);
         const auto micros = static_cast<double>(
             s.Bits64() % static_cast<std::uint64_t>(std::pow(10.0, scale - 9)));
         return s.Sign() * s.Nudge((micros + 0.5) / 1e6, 3);
       }},
      {"the 1E+15 edge",
       [](Source& s) {
         switch (s.Below(3)) {
           case 0: return s.Sign() * s.Nudge(1e15, 2000);
           case 1: return s.Sign() * s.Nudge(999999999999999.5, 2000);
           default: return s.Sign() * s.Uniform(9.9999999999e14, 1.0000000001e15);
         }
       }},
      {"the 1E-06 and half-millionth edges",
       [](Source& s) {
         switch (s.Below(4)) {
           case 0: return s.Sign() * s.Nudge(1e-6, 1 << 16);
           case 1: return s.Sign() * s.Nudge(9.999999999999995e-7, 1 << 16);
           case 2: return s.Sign() * s.Nudge(5e-7, 1 << 16);
           default: return s.Sign() * s.Uniform(4e-7, 1.1e-6);
         }
       }},
      {"ties at fifteen digits",
       [](Source& s) {
         // d.dddddddddddddd5 times a power of ten, and its neighbours.
         const std::string text =
             s.Digits(15, true) + "5e" + std::to_string(static_cast<int>(s.Below(640)) - 340);
         return s.Sign() * s.Nudge(std::strtod(text.c_str(), nullptr), 2);
       }},
      {"huge (1E+15 to the largest)",
       [](Source& s) {
         return s.Below(1000) == 0 ? s.Sign() * std::numeric_limits<double>::max()
                                   : s.Sign() * s.WithExponent(1073, 2046);
       }},
      {"tiny (normal, below 1E-08)", [](Source& s) { return s.Sign() * s.WithExponent(1, 996); }},
      {"subnormal", [](Source& s) { return s.Sign() * s.WithExponent(0, 0); }},
      {"random bits",
       [](Source& s) {
         if (s.Below(100) == 0) {
           const double specials[] = {kInf,
                                      -kInf,
                                      std::numeric_limits<double>::quiet_NaN(),
                                      0.0,
                                      -0.0,
                                      std::numeric_limits<double>::denorm_min(),
                                      std::numeric_limits<double>::min()};
           return specials[s.Below(std::size(specials))];
         }
         return FromBits(s.Bits64());
       }},
      {"powers of ten, nudged",
       [](Source& s) {
         return s.Sign() *
                s.Nudge(std::pow(10.0, static_cast<double>(static_cast<int>(s.Below(617)) - 308)),
                        8);
       }},
      {"decimal magnitudes 1E-08 to 1E+17",
       [](Source& s) { return s.Sign() * std::pow(10.0, s.Uniform(-8.0, 17.0)); }},
      {"results of plausible set-ups",
       [](Source& s) {
         const celforo::ProjectionResults r = celforo::ComputeProjection(
             {s.Uniform(100, 10000), s.Uniform(2, 60), s.Uniform(-50, 250)});
         const double results[] = {r.magnification, r.equivalentFocalLength, r.focalPlaneDistance};
         return results[s.Below(3)];
       }},
  };
}

std::string Blanks(Source& s) {
  return std::string(s.Below(3), s.Below(2) ? ' ' : '\t');
}
std::string SignText(Source& s) {
  const auto sign = s.Below(3);
  return sign == 0 ? "" : sign == 1 ? "+" : "-";
}
std::string Suffix(Source& s) {
  const char* const suffixes[] = {"", "x", ",5", " 1", ".", "e", "E+", "mm", "-", "\t", "e-"};
  return suffixes[s.Below(std::size(suffixes))];
}
std::string Exponent(Source& s, std::size_t maxDigits) {
  std::string text = s.Below(2) ? "e" : "E";
  text += SignText(s);
  return text + s.Digits(s.Below(maxDigits + 1));
}

// The exact decimal value of `value` (a long double holds every double and
// every midpoint of two neighbours exactly), trailing zeros removed.
std::string ExactDecimal(long double value) {
  char buffer[900];
  std::snprintf(buffer, sizeof buffer, "%.800Le", value);
  std::string text = buffer;
  const std::size_t letter = text.find('e');
  std::size_t end = letter;
  while (text[end - 1] == '0') --end;
  if (text[end - 1] == '.') --end;
  return text.substr(0, end) + text.substr(letter);
}

std::vector<std::pair<const char*, TextKind>> TextKinds() {
  return {
      {"grammar: sign, digits, point, exponent",
       [](Source& s) {
         std::string text = Blanks(s) + SignText(s);
         if (s.Below(4) != 0) text += s.Digits(1 + s.Below(24));
         if (s.Below(2)) text += "." + s.Digits(s.Below(24));
         if (s.Below(2)) text += Exponent(s, 4);
         return text + Suffix(s);
       }},
      {"long digit runs (20 to 1000)",
       [](Source& s) {
         std::string text = SignText(s) + s.Digits(s.Below(400));
         if (s.Below(2)) text += "." + s.Digits(20 + s.Below(600));
         if (s.Below(2)) text += Exponent(s, 3);
         return text + Suffix(s);
       }},
      {"past the double range",
       [](Source& s) {
         std::string text = SignText(s) + s.Digits(1 + s.Below(20), true);
         if (s.Below(2)) text += "." + s.Digits(s.Below(20));
         switch (s.Below(4)) {
           case 0: return text + "e" + std::to_string(280 + s.Below(60));
           case 1: return text + "e-" + std::to_string(300 + s.Below(60));
           case 2: return text + (s.Below(2) ? "e" : "e-") + s.Digits(5 + s.Below(25), true);
           default: return s.Digits(300 + s.Below(30), true) + Suffix(s);
         }
       }},
      {"exact midpoints of two doubles",
       [](Source& s) {
         const double low = s.Below(8) == 0 ? s.WithExponent(0, 0) : s.WithExponent(0, 2046);
         const long double mid =
             low == std::numeric_limits<double>::max()
                 ? static_cast<long double>(low) + std::ldexp(1.0L, 970)
                 : (static_cast<long double>(low) +
                    static_cast<long double>(std::nextafter(low, 2 * low + 1))) /
                       2;
         std::string text = ExactDecimal(mid);
         const std::size_t letter = text.find('e');
         switch (s.Below(3)) {
           case 0: break;                                               // the tie itself
           case 1: text.insert(letter, "0000000001"); break;            // just above
           default: text.replace(letter - 1, 1, "49999999999"); break;  // just below
         }
         return SignText(s) + text;
       }},
      {"17, 16 and 15 digits of random doubles",
       [](Source& s) {
         double value = 0;
         do value = FromBits(s.Bits64());
         while (!std::isfinite(value));
         char buffer[40];
         std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(15 + s.Below(3)), value);
         return Blanks(s) + buffer + Suffix(s);
       }},
      {"the largest, smallest and subnormal edges",
       [](Source& s) {
         const char* const prefixes[] = {"1.797693134862315", "2.4703282292062327",
                                         "4.940656458412465", "2.225073858507201",
                                         "2.225073858507200", "1797693134862315"};
         const char* const exponents[] = {"e308", "e-324", "e-324", "e-308", "e-308", "e292"};
         const auto pick = s.Below(std::size(prefixes));
         return SignText(s) + prefixes[pick] + s.Digits(s.Below(40)) + exponents[pick];
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  const double doubleMillions = argc > 1 ? std::atof(argv[1]) : 10;
  const double textMillions = argc > 2 ? std::atof(argv[2]) : 5;
  const std::uint64_t seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;

  Source source(seed);
  Tally doubles;
  const auto doubleKinds = DoubleKinds();
  const auto perDoubleKind = static_cast<std::uint64_t>(doubleMillions * 1e6) / doubleKinds.size();
  for (const auto& [name, next] : doubleKinds) {
    for (std::uint64_t i = 0; i < perDoubleKind; ++i) {
      doubles.Count(name);
      CompareDouble(doubles, next(source));
    }
  }
  Tally texts;
  const auto textKinds = TextKinds();
  const auto perTextKind = static_cast<std::uint64_t>(textMillions * 1e6) / textKinds.size();
  for (const auto& [name, next] : textKinds) {
    for (std::uint64_t i = 0; i < perTextKind; ++i) {
      texts.Count(name);
      CompareText(texts, next(source));
    }
  }
  const std::uint64_t differences =
      doubles.Print("doubles (SignedNumberText, SixDecimalText . and ,, ResultText):") +
      texts.Print("number texts (ScanNumber and ReadNumber):");
  return differences == 0 ? 0 : 1;
}
