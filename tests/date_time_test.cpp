// Dates and times as the planning reads them: the grammar of a date text,
// Julian days against Meeus's table, the ephemerides' range, and local time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "calc/date_time.h"

namespace celforo {
namespace {

bool SameCivil(const CivilTime& a, const CivilTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute && a.second == b.second;
}

std::string Shown(const CivilTime& c) {
  return DateTimeFieldText(c) + ":" + std::to_string(c.second);
}

TEST(ParseDateText, ReadsTheWrittenFormsAndRefusesAllElse) {
  const struct {
    const char* text;
    bool valid;
    CivilTime civil;
    std::optional<int> offset;
  } cases[] = {
      {"2026-12-07", true, {2026, 12, 7, 0, 0, 0}, 0},  // a date alone is 00:00 UTC
      {"2026-12-07T21:30", true, {2026, 12, 7, 21, 30, 0}, std::nullopt},
      {"2026-12-07 21:30", true, {2026, 12, 7, 21, 30, 0}, std::nullopt},
      {"2026-12-07T21:30:15Z", true, {2026, 12, 7, 21, 30, 15}, 0},
      {"2026-12-07T21:30+01:00", true, {2026, 12, 7, 21, 30, 0}, 60},
      {"2026-12-07T21:30-05:30", true, {2026, 12, 7, 21, 30, 0}, -330},
      {"2026-12-07T00:00:59+23:59", true, {2026, 12, 7, 0, 0, 59}, 1439},
      {"2024-02-29", true, {2024, 2, 29}, 0},
      {"2000-02-29T23:59:59Z", true, {2000, 2, 29, 23, 59, 59}, 0},  // divisible by 400
      {"1800-01-01", true, {1800, 1, 1}, 0},
      {"3000-01-01", true, {3000, 1, 1}, 0},  // a date; the range is checked later
      {"", false, {}, {}},
      {"2026-02-29", false, {}, {}},
      {"1900-02-29", false, {}, {}},  // divisible by 100, not by 400
      {"2026-04-31", false, {}, {}},
      {"2026-13-01", false, {}, {}},
      {"2026-00-10", false, {}, {}},
      {"2026-12-00", false, {}, {}},
      {"2026-12-7", false, {}, {}},
      {"26-12-07", false, {}, {}},
      {"2026/12/07", false, {}, {}},
      {" 2026-12-07", false, {}, {}},
      {"2026-12-07 ", false, {}, {}},
      {"2026-12-07T", false, {}, {}},
      {"2026-12-07t21:30", false, {}, {}},
      {"2026-12-07T21", false, {}, {}},
      {"2026-12-07T21:3", false, {}, {}},
      {"2026-12-07T24:00", false, {}, {}},
      {"2026-12-07T23:60", false, {}, {}},
      {"2026-12-07T23:59:60", false, {}, {}},
      {"2026-12-07T21:30:5", false, {}, {}},
      {"2026-12-07T21:30z", false, {}, {}},
      {"2026-12-07T21:30Z ", false, {}, {}},
      {"2026-12-07T21:30ZZ", false, {}, {}},
      {"2026-12-07T21:30+1:00", false, {}, {}},
      {"2026-12-07T21:30+01", false, {}, {}},
      {"2026-12-07T21:30+0100", false, {}, {}},
      {"2026-12-07T21:30+24:00", false, {}, {}},
      {"2026-12-07T21:30+01:60", false, {}, {}},
      {"2026-12-07T21:30+01:00 ", false, {}, {}},
      {"2026-12-07Z", false, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<DateText> parsed = ParseDateText(c.text);
    ASSERT_EQ(parsed.has_value(), c.valid);
    if (!parsed) continue;
    EXPECT_TRUE(SameCivil(parsed->civil, c.civil)) << Shown(parsed->civil);
    EXPECT_EQ(parsed->offsetMinutes, c.offset);
  }
  // Bytes beyond the text's end are never read: a NUL inside is refused.
  EXPECT_FALSE(ParseDateText(std::string_view("2026-12-07\0", 11)));
}

// J. Meeus, "Astronomical Algorithms", 2nd ed., chapter 7: example 7.a
// (1957 October 4.81 is JD 2436116.31) and the table of Julian days that
// follows the examples.
TEST(JulianDay, MeeusChapter7) {
  const struct {
    CivilTime civil;
    double julianDay;
  } cases[] = {
      {{1957, 10, 4, 19, 26, 24}, 2436116.31}, {{2000, 1, 1, 12, 0, 0}, 2451545.0},
      {{1999, 1, 1, 0, 0, 0}, 2451179.5},      {{1987, 1, 27, 0, 0, 0}, 2446822.5},
      {{1987, 6, 19, 12, 0, 0}, 2446966.0},    {{1988, 1, 27, 0, 0, 0}, 2447187.5},
      {{1988, 6, 19, 12, 0, 0}, 2447332.0},    {{1900, 1, 1, 0, 0, 0}, 2415020.5},
      {{1600, 1, 1, 0, 0, 0}, 2305447.5},      {{1600, 12, 31, 0, 0, 0}, 2305812.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Shown(c.civil));
    EXPECT_NEAR(UtcInstant(c.civil).julianDay(), c.julianDay, 1e-9);
    const CivilTime back = UtcCivilTime(UniversalTime(c.julianDay));
    EXPECT_TRUE(SameCivil(back, c.civil)) << Shown(back);
  }
  // Example 7.c's instant back to its calendar date, to the nearest second.
  EXPECT_TRUE(SameCivil(UtcCivilTime(UniversalTime(2436116.31)), {1957, 10, 4, 19, 26, 24}));
  // Half a second rounds up, across midnight and the year.
  EXPECT_TRUE(SameCivil(UtcCivilTime(UtcInstant({2026, 12, 31, 23, 59, 59}) + Days(0.6 / 86400)),
                        {2027, 1, 1, 0, 0, 0}));
  EXPECT_EQ(DateTimeFieldText({2026, 12, 7, 21, 30, 45}), "2026-12-07T21:30");
  EXPECT_EQ(DateTimeFieldText({1800, 1, 1, 0, 0, 0}), "1800-01-01T00:00");
}

TEST(ReadInstant, ParsesConvertsAndChecksTheRange) {
  const struct {
    const char* text;
    DateProblem problem;
    CivilTime utc;  // when there is no problem
  } cases[] = {
      {"2026-12-07", DateProblem::None, {2026, 12, 7}},
      {"2026-12-07T21:30Z", DateProblem::None, {2026, 12, 7, 21, 30, 0}},
      {"2026-12-07T21:30+01:00", DateProblem::None, {2026, 12, 7, 20, 30, 0}},
      {"2026-12-07T21:30-05:30", DateProblem::None, {2026, 12, 8, 3, 0, 0}},
      {"1800-01-01", DateProblem::None, {1800, 1, 1}},
      {"2050-12-31T23:59:59Z", DateProblem::None, {2050, 12, 31, 23, 59, 59}},
      {"1800-01-01T00:30+01:00", DateProblem::OutOfRange, {}},  // 1799-12-31 23:30 UTC
      {"2050-12-31T23:30-01:00", DateProblem::OutOfRange, {}},  // 2051-01-01 00:30 UTC
      {"1799-12-31T23:59:59Z", DateProblem::OutOfRange, {}},
      {"2051-01-01", DateProblem::OutOfRange, {}},
      {"0001-01-01", DateProblem::OutOfRange, {}},
      {"9999-12-31", DateProblem::OutOfRange, {}},
      {"2026-02-29", DateProblem::Malformed, {}},
      {"tonight", DateProblem::Malformed, {}},
      {"", DateProblem::Malformed, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const InstantReading reading = ReadInstant(c.text);
    EXPECT_EQ(reading.problem, c.problem);
    if (c.problem == DateProblem::None) {
      EXPECT_TRUE(SameCivil(UtcCivilTime(reading.instant), c.utc))
          << Shown(UtcCivilTime(reading.instant));
      EXPECT_TRUE(InEphemerisRange(reading.instant));
    }
  }
}

TEST(InEphemerisRange, From1800To2050Inclusive) {
  constexpr std::chrono::seconds kSecond(1);
  EXPECT_TRUE(InEphemerisRange(UtcInstant({1800, 1, 1})));
  EXPECT_FALSE(InEphemerisRange(UtcInstant({1800, 1, 1}) - kSecond));
  EXPECT_TRUE(InEphemerisRange(UtcInstant({2050, 12, 31, 23, 59, 59})));
  EXPECT_FALSE(InEphemerisRange(UtcInstant({2051, 1, 1})));
  EXPECT_FALSE(InEphemerisRange(UniversalTime(std::nan(""))));
  EXPECT_TRUE(InEphemerisRange(NowInstant()));  // until 2051
}

// Local time is the machine's: on Linux the zone is set here through TZ (a
// POSIX rule, so no zone files are needed); Windows takes its own zone, so
// there the conversion is held to a round trip within a day.
class LocalTime : public ::testing::Test {
protected:
  void SetUp() override {
#ifndef _WIN32
    const char* previous = std::getenv("TZ");
    if (previous) saved_ = previous;
    hadZone_ = previous != nullptr;
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
#endif
  }
  void TearDown() override {
#ifndef _WIN32
    if (hadZone_) {
      setenv("TZ", saved_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
#endif
  }

private:
  std::string saved_;
  bool hadZone_ = false;
};

TEST_F(LocalTime, ConvertsBothWays) {
  const struct {
    CivilTime local;
    CivilTime utc;  // in the zone set above
  } cases[] = {
      {{2026, 12, 7, 21, 30, 0}, {2026, 12, 7, 20, 30, 0}},  // winter, one hour east
      {{2026, 7, 1, 12, 0, 0}, {2026, 7, 1, 10, 0, 0}},      // summer, two
      {{2026, 1, 1, 0, 30, 0}, {2025, 12, 31, 23, 30, 0}},   // across the year
      {{1850, 1, 15, 12, 0, 0}, {1850, 1, 15, 11, 0, 0}},    // before 1970
      {{2050, 12, 31, 23, 0, 0}, {2050, 12, 31, 22, 0, 0}},
      {{1970, 1, 1, 0, 59, 59}, {1969, 12, 31, 23, 59, 59}},  // the C library's -1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Shown(c.local));
    const InstantReading reading = UniversalTimeOfLocal(c.local);
    ASSERT_EQ(reading.problem, DateProblem::None);
#ifdef _WIN32
    EXPECT_LT(std::fabs((reading.instant - UtcInstant(c.local)).count()), 1.0);
#else
    EXPECT_TRUE(SameCivil(UtcCivilTime(reading.instant), c.utc))
        << Shown(UtcCivilTime(reading.instant));
#endif
    EXPECT_TRUE(SameCivil(LocalCivilTime(reading.instant), c.local))
        << Shown(LocalCivilTime(reading.instant));
  }
#ifndef _WIN32
  // Without a zone in the text, ReadInstant takes the machine's.
  const InstantReading reading = ReadInstant("2026-07-01T12:00");
  EXPECT_EQ(reading.problem, DateProblem::None);
  EXPECT_TRUE(SameCivil(UtcCivilTime(reading.instant), {2026, 7, 1, 10, 0, 0}));
  EXPECT_EQ(ReadInstant("1800-01-01T00:30").problem, DateProblem::OutOfRange);
#endif
}

#ifndef _WIN32
// Italy's clocks go from 02:00 to 03:00 on 2026-03-29 and from 03:00 back to
// 02:00 on 2026-10-25 (EU Directive 2000/84/EC, last Sundays of March and
// October at 01:00 UTC).
TEST_F(LocalTime, TheSkippedHourIsRefusedTheRepeatedOneIsTheFirst) {
  const struct {
    CivilTime local;
    DateProblem problem;
    CivilTime utc;
  } cases[] = {
      {{2026, 3, 29, 1, 59, 59}, DateProblem::None, {2026, 3, 29, 0, 59, 59}},
      {{2026, 3, 29, 2, 0, 0}, DateProblem::SkippedLocalTime, {}},
      {{2026, 3, 29, 2, 30, 0}, DateProblem::SkippedLocalTime, {}},
      {{2026, 3, 29, 2, 59, 59}, DateProblem::SkippedLocalTime, {}},
      {{2026, 3, 29, 3, 0, 0}, DateProblem::None, {2026, 3, 29, 1, 0, 0}},
      {{2026, 10, 25, 1, 59, 0}, DateProblem::None, {2026, 10, 24, 23, 59, 0}},
      {{2026, 10, 25, 2, 30, 0}, DateProblem::None, {2026, 10, 25, 0, 30, 0}},  // summer time's
      {{2026, 10, 25, 3, 0, 0}, DateProblem::None, {2026, 10, 25, 2, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Shown(c.local));
    const InstantReading reading = UniversalTimeOfLocal(c.local);
    EXPECT_EQ(reading.problem, c.problem);
    if (c.problem == DateProblem::None) {
      EXPECT_TRUE(SameCivil(UtcCivilTime(reading.instant), c.utc))
          << Shown(UtcCivilTime(reading.instant));
    }
  }
  EXPECT_EQ(ReadInstant("2026-03-29T02:30").problem, DateProblem::SkippedLocalTime);
  EXPECT_EQ(ReadInstant("2026-03-29T02:30+01:00").problem, DateProblem::None);
}

// A local date runs from its midnight to the next: 23 hours the day summer
// time begins, 25 the day it ends; and times print with the offset then in
// force, rounded to the minute.
TEST_F(LocalTime, DaysAndMinuteTexts) {
  const struct {
    CivilTime utc;
    CivilTime start, end;  // UTC
  } days[] = {
      {{2026, 12, 7, 20, 30, 0}, {2026, 12, 6, 23, 0, 0}, {2026, 12, 7, 23, 0, 0}},
      {{2026, 3, 29, 12, 0, 0}, {2026, 3, 28, 23, 0, 0}, {2026, 3, 29, 22, 0, 0}},
      {{2026, 10, 25, 12, 0, 0}, {2026, 10, 24, 22, 0, 0}, {2026, 10, 25, 23, 0, 0}},
      {{2026, 12, 31, 23, 30, 0}, {2026, 12, 31, 23, 0, 0}, {2027, 1, 1, 23, 0, 0}},
  };
  for (const auto& d : days) {
    SCOPED_TRACE(Shown(d.utc));
    const TimeSpan day = LocalDayOf(UtcInstant(d.utc));
    EXPECT_TRUE(SameCivil(UtcCivilTime(day.start), d.start)) << Shown(UtcCivilTime(day.start));
    EXPECT_TRUE(SameCivil(UtcCivilTime(day.end), d.end)) << Shown(UtcCivilTime(day.end));
  }
  EXPECT_EQ(LocalMinuteText(UtcInstant({2026, 12, 7, 20, 29, 30})), "2026-12-07T21:30+01:00");
  EXPECT_EQ(LocalMinuteText(UtcInstant({2026, 12, 7, 20, 29, 29})), "2026-12-07T21:29+01:00");
  EXPECT_EQ(LocalMinuteText(UtcInstant({2026, 7, 1, 21, 59, 45})), "2026-07-02T00:00+02:00");
  const LocalDateTime summer = LocalTimeOf(UtcInstant({2026, 7, 1, 10, 0, 0}));
  EXPECT_TRUE(SameCivil(summer.civil, {2026, 7, 1, 12, 0, 0}));
  EXPECT_EQ(summer.offsetSeconds, 7200);

  setenv("TZ", "UTC0", 1);
  tzset();
  EXPECT_EQ(LocalMinuteText(UtcInstant({2026, 12, 7, 20, 30, 0})), "2026-12-07T20:30Z");
  setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
  tzset();
  EXPECT_EQ(LocalMinuteText(UtcInstant({2026, 12, 8, 2, 0, 0})), "2026-12-07T21:00-05:00");
}
#endif

}  // namespace
}  // namespace celforo
