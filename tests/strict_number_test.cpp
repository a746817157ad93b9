// The strict reader of planning numbers: what it accepts, what it refuses and
// why, as one table.
#include <gtest/gtest.h>

#include <string>

#include "calc/strict_number.h"

namespace celforo {
namespace {

TEST(ReadStrictNumber, AcceptsOneWholeNumberAndNamesEveryRefusal) {
  constexpr NumberRule kLatitude{false, -90, 90};
  struct Row {
    std::string text;
    NumberRule rule;
    NumberFault fault;
    double value;
  };
  const Row rows[] = {
      {"3.75", kPositiveNumber, NumberFault::None, 3.75},
      {" \t-33.9 ", kAnyNumber, NumberFault::None, -33.9},
      {"+5", kPositiveNumber, NumberFault::None, 5},
      {"2.5e3", kPositiveNumber, NumberFault::None, 2500},
      {"1E-3", kPositiveNumber, NumberFault::None, 0.001},
      {".5", kPositiveNumber, NumberFault::None, 0.5},
      {"5.", kPositiveNumber, NumberFault::None, 5},
      {"90", kLatitude, NumberFault::None, 90},
      {"-90", kLatitude, NumberFault::None, -90},
      {"", kPositiveNumber, NumberFault::Empty, 0},
      {" \t ", kAnyNumber, NumberFault::Empty, 0},
      {"3,75", kPositiveNumber, NumberFault::DecimalComma, 0},
      {"-0,5e2", kAnyNumber, NumberFault::DecimalComma, 0},
      {"1,000,000", kPositiveNumber, NumberFault::Malformed, 0},
      {"25x0", kPositiveNumber, NumberFault::Malformed, 0},
      {"2o", kPositiveNumber, NumberFault::Malformed, 0},
      {"abc", kPositiveNumber, NumberFault::Malformed, 0},
      {"inf", kAnyNumber, NumberFault::Malformed, 0},
      {"nan", kAnyNumber, NumberFault::Malformed, 0},
      {"1 000", kAnyNumber, NumberFault::Malformed, 0},
      {"--3", kAnyNumber, NumberFault::Malformed, 0},
      {".", kAnyNumber, NumberFault::Malformed, 0},
      {"1e", kAnyNumber, NumberFault::Malformed, 0},
      {"0x10", kAnyNumber, NumberFault::Malformed, 0},
      {"3.75\xC2\xA0", kAnyNumber, NumberFault::Malformed, 0},  // a no-break space is no blank
      {"1e999", kAnyNumber, NumberFault::NotFinite, 0},
      {"-1e999", kAnyNumber, NumberFault::NotFinite, 0},
      {"0", kPositiveNumber, NumberFault::NotPositive, 0},
      {"-0", kPositiveNumber, NumberFault::NotPositive, 0},
      {"1e-999", kPositiveNumber, NumberFault::NotPositive, 0},  // underflows to zero
      {"-2", kPositiveNumber, NumberFault::NotPositive, 0},
      {"90.000001", kLatitude, NumberFault::OutOfRange, 0},
      {"-91", kLatitude, NumberFault::OutOfRange, 0},
  };
  for (const Row& row : rows) {
    const NumberReading reading = ReadStrictNumber(row.text, row.rule);
    EXPECT_EQ(reading.fault, row.fault) << '"' << row.text << '"';
    EXPECT_EQ(reading.value, row.value) << '"' << row.text << '"';
  }
}

}  // namespace
}  // namespace celforo
