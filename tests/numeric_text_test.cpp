// The four text rules, each as one table of worked examples and hard cases.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calc/numeric_text.h"
#include "calc/run_time_error.h"
#include "tests/support/computed.h"

namespace celforo {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Repeat(char c, std::size_t count) {
  return std::string(count, c);
}

TEST(ReadNumber, ReadsTheLongestLeadingNumber) {
  struct Row {
    std::string text;
    double value;
    std::size_t consumed;
  };
  const Row rows[] = {
      {" 2500", 2500, 5},
      {"\t 7", 7, 3},
      {"12,5", 12, 2},
      {"3.5mm", 3.5, 3},
      {"1.2.3", 1.2, 3},
      {"", 0, 0},
      {"abc", 0, 0},
      {".", 0, 0},
      {",5", 0, 0},
      {"-", 0, 0},
      {"+", 0, 0},
      {"- 1", 0, 0},
      {"2e3", 2000, 3},
      {"-.5", -0.5, 3},
      {".5", 0.5, 2},
      {"5.", 5, 2},
      {"+1.5", 1.5, 4},
      {"1e", 1, 1},
      {"1e+", 1, 1},
      {"1E-2x", 0.01, 4},
      {"1e5e3", 1e5, 3},
      {"1 000", 1, 1},
      {"inf", 0, 0},
      {"nan", 0, 0},
      {"-infinity", 0, 0},
      {"0x1p3", 0, 1},
      {"010", 10, 3},
      {"\xEF\xBC\x91", 0, 0},  // a full-width digit one is not a digit
      {"\xD9\xA3", 0, 0},      // nor is an Arabic-Indic three
      {"1e400", kInf, 5},
      {"-1e400", -kInf, 6},
      {"1e-400", 0, 6},
      {"1e99999999999999999999", kInf, 22},
      {"1e-99999999999999999999", 0, 23},
      {"0e99999999999999999999", 0, 22},
      {"1.7976931348623157e308", kMax, 22},
      {"1.7976931348623159e308", kInf, 22},  // rounds up past the largest double
      {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min(), 23},
      {"2e-324", 0, 6},                    // below half the smallest subnormal
      {"2.4703282292062327e-324", 0, 23},  // just below the half
      {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min(), 23},  // just above
      {"9007199254740993", 9007199254740992.0, 16},  // halfway between doubles: to the even one
      {"9007199254740995", 9007199254740996.0, 16},
      {"9007199254740993." + Repeat('0', 800), 9007199254740992.0, 817},        // a tie to the end
      {"9007199254740993." + Repeat('0', 800) + "1", 9007199254740994.0, 818},  // just past it
      {"1e23", 1e23, 4},
      {"0.30000000000000004", 0.30000000000000004, 19},
      {"1" + Repeat('0', 4999) + "e-4999", 1, 5006},
      {"." + Repeat('0', 4999) + "3e5000", 3, 5006},
      {Repeat('9', 5000) + "e-5000", 1, 5006},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text.substr(0, 40));
    const NumberScan scan = ScanNumber(row.text);
    EXPECT_EQ(scan.value, row.value);
    EXPECT_EQ(scan.consumed, row.consumed);
    EXPECT_EQ(ReadNumber(row.text), row.value);
  }
}

TEST(ReadNumber, KeepsTheSignOfZeroAndOfUnderflow) {
  for (const char* text : {"-0", "-0.0e7", "-1e-400"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadNumber(text), 0.0);
    EXPECT_TRUE(std::signbit(ReadNumber(text)));
  }
}

TEST(ReadNumber, ReadsAPastedMegabyteOfDigits) {
  const std::size_t megabyte = 1 << 20;
  EXPECT_EQ(ReadNumber(Repeat('1', megabyte)), kInf);
  // A million zeros after the point, then a digit, then an exponent undoing them.
  EXPECT_EQ(ReadNumber("0." + Repeat('0', megabyte) + "7e" + std::to_string(megabyte + 1)), 7.0);
  EXPECT_EQ(ReadNumber("1." + Repeat('0', megabyte) + "x"), 1.0);
}

TEST(SignedNumberText, WritesFifteenSignificantDigits) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      {2500, " 2500"},
      {5, " 5"},
      {3, " 3"},
      {1.25, " 1.25"},
      {0.30000000000000004, " .3"},
      {0.5, " .5"},
      {-0.25, "-.25"},
      {0, " 0"},
      {-0.0, " 0"},
      {100, " 100"},
      {123.456, " 123.456"},
      {1.0 / 3, " .333333333333333"},
      {2.0 / 3, " .666666666666667"},
      {-1.6666666666666667, "-1.66666666666667"},
      {999999999999999, " 999999999999999"},
      {999999999999999.5, " 1E+15"},  // rounds up into the exponent form
      {123456789012345.6, " 123456789012346"},
      {100000000000002.5, " 100000000000002"},  // a tie at 15 digits goes to the even digit
      {100000000000003.5, " 100000000000004"},
      {1e15, " 1E+15"},
      {1234567890123456, " 1.23456789012346E+15"},
      {1e100, " 1E+100"},
      {0.000001, " .000001"},
      {0.00000123, " .00000123"},
      {9.9999999999999995e-7, " .000001"},
      {9.99999999999999e-7, " 9.99999999999999E-07"},
      {1e-7, " 1E-07"},
      {-2.5e-7, "-2.5E-07"},
      {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
      {kMax, " 1.79769313486232E+308"},
      {-kMax, "-1.79769313486232E+308"},
      {kInf, " 1.#INF"},
      {-kInf, "-1.#INF"},
      {std::numeric_limits<double>::quiet_NaN(), " 1.#QNAN"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(SignedNumberText(row.value), row.text);
  }
}

TEST(SixDecimalText, RoundsToSixDecimalsHalfToEven) {
  struct Row {
    double value;
    char separator;
    std::string text;
  };
  const Row rows[] = {
      {1.6666666666666667, '.', "1.666667"},
      {4166.666666666667, '.', "4166.666667"},
      {13.333333333333336, '.', "13.333333"},
      {1500, '.', "1500."},
      {0.5, '.', ".5"},
      {2.5, '.', "2.5"},
      {-1.6666666666666667, '.', "-1.666667"},
      {0, '.', "."},
      {-0.0, '.', "."},
      {-1e-7, '.', "."},
      {0.0000005, '.', "."},  // the double lies just below a half millionth
      {4.9999999e-7, '.', "."},
      {5.000001e-7, '.', ".000001"},
      {0.0000006, '.', ".000001"},
      {0.0078125, '.', ".007812"},  // an exact tie goes to the even digit
      {-0.0078125, '.', "-.007812"},
      {0.0234375, '.', ".023438"},
      {2.0000005, '.', "2.000001"},                    // not a tie: the double is above the half
      {1000000000.0078125, '.', "1000000000.007812"},  // ties to even above 1E+9 as well
      {-1000000000.0234375, ',', "-1000000000,023438"},
      {1.6666666666666667, ',', "1,666667"},
      {1500, ',', "1500,"},
      {0, ',', ","},
      {kMax, '.',
       "1797693134862315708145274237317043567980705675258449965989174768031572607800285387605895586"
       "3276687817154045895351438246423432132688946418276846754670353751698604991057655128207624549"
       "0090389328944075868508455133942304583236903222948165808559332123348274797826204144723168738"
       "177180919299881250404026184124858368."},
      {kInf, '.', "1.#INF"},
      {-kInf, ',', "-1,#INF"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text.substr(0, 40));
    EXPECT_EQ(SixDecimalText(row.value, row.separator), row.text);
  }
}

TEST(ResultText, ShowsTheRoundedValueOrFails) {
  struct Row {
    double value;
    std::optional<std::string> text;  // none: fails
    RunTimeErrorKind failure = RunTimeErrorKind::TypeMismatch;
  };
  const Row rows[] = {
      {1.6666666666666667, " 1.666667"},
      {4166.666666666667, " 4166.666667"},
      {13.333333333333336, " 13.333333"},
      {1500, " 1500"},
      {4000, " 4000"},
      {0.5, " .5"},
      {-1.6666666666666667, "-1.666667"},
      {1.0000004, " 1"},
      {0.0000006, " .000001"},
      {5.000001e-7, " .000001"},
      {0.0078125, " .007812"},
      {-0.0078125, "-.007812"},
      {123456789012345.6, " 123456789012346"},
      {1000000000.0078125, " 1000000000.00781"},
      // "2626469099.649605" reads back just below its 15-digit tie, so it is
      // shown ...6496, where the value itself would round to ...64961.
      {2626469099.6496053, " 2626469099.6496"},
      {kMax, " 1.79769313486232E+308"},
      {-kMax, "-1.79769313486232E+308"},
      {0, std::nullopt},
      {-0.0, std::nullopt},
      {0.0000004, std::nullopt},
      {0.0000005, std::nullopt},
      {4.9999999e-7, std::nullopt},
      {-4e-7, std::nullopt},
      {kInf, std::nullopt, RunTimeErrorKind::Overflow},
      {-kInf, std::nullopt, RunTimeErrorKind::Overflow},
      {std::numeric_limits<double>::quiet_NaN(), std::nullopt, RunTimeErrorKind::Overflow},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(SignedNumberText(row.value));
    // A measurement is shown as a result, but where a result that rounds to
    // zero fails, a measurement is " 0".
    if (row.text) {
      EXPECT_EQ(ResultText(row.value), *row.text);
      EXPECT_EQ(MeasureText(row.value), *row.text);
      continue;
    }
    if (row.failure == RunTimeErrorKind::TypeMismatch) {
      EXPECT_EQ(MeasureText(row.value), " 0");
    }
    for (Computed<std::string> (*shown)(double) : {ResultText, MeasureText}) {
      if (shown == MeasureText && row.failure == RunTimeErrorKind::TypeMismatch) continue;
      EXPECT_EQ(FailureOf(shown(row.value)), row.failure);
    }
  }
}

TEST(RunTimeError, CarriesTheRunTimeNumberAndDescription) {
  struct Row {
    RunTimeErrorKind kind;
    int number;
    const char* description;
  };
  const Row rows[] = {
      {RunTimeErrorKind::DivisionByZero, 11, "Divisione per zero"},
      {RunTimeErrorKind::Overflow, 6, "Overflow"},
      {RunTimeErrorKind::TypeMismatch, 13, "Tipo non corrispondente"},
  };
  for (const Row& row : rows) {
    const RunTimeError error(row.kind);
    EXPECT_EQ(error.kind(), row.kind);
    EXPECT_EQ(error.number(), row.number);
    EXPECT_EQ(error.description(), row.description);
    EXPECT_EQ(error.report(),
              "Errore di run-time '" + std::to_string(row.number) + "':\n\n" + row.description);
  }
}

}  // namespace
}  // namespace celforo
