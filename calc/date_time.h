// Dates and times as the planning takes them: a civil date and time read from
// a text, and instants as Julian days in UTC. The Gregorian calendar
// throughout; UTC stands in for the dynamical time of the ephemerides (they
// differ by about a minute, which changes no diameter by a shown digit).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace celforo {

struct CivilTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0;
  int second = 0;
};

// A date and time as written, with the zone it was written in.
struct DateText {
  CivilTime civil;
  std::optional<int> offsetMinutes;  // east of Greenwich: "Z" is 0, "-05:30" is -330;
                                     // none: the machine's local time
};

// Reads "YYYY-MM-DD" (00:00 UTC) or "YYYY-MM-DDTHH:MM" with an optional ":SS",
// then "Z", an offset "+HH:MM" or "-HH:MM", or no zone (local time);
// a space may stand for the "T". "2026-12-07T21:30+01:00" is 21:30 at one
// hour east. The whole text must be of that form and name a day and time
// that exist: "2026-02-29", "2026-12-07T24:00" and "2026-12-07 " give nothing.
std::optional<DateText> ParseDateText(std::string_view text);

// The Julian day of a UTC date and time: 2000-01-01 12:00 is 2451545.
double JulianDay(const CivilTime& utc);

// The UTC date and time of a Julian day, to the nearest second:
// 2451545.25 is 2000-01-01 18:00:00.
CivilTime CivilTimeOf(double julianDay);

// The instants the ephemerides hold: from 1800-01-01 00:00 UTC up to, not
// including, 2051-01-01 00:00 UTC.
bool InEphemerisRange(double julianDay);

// The same range, as a reason for refusing an instant outside it.
inline constexpr std::string_view kEphemerisRangeText = "1800-01-01 to 2050-12-31 (UTC)";

// Why a date text gives no instant.
enum class DateProblem { None, Malformed, OutOfRange, NoLocalTime };

struct InstantReading {
  double julianDay = 0;  // UTC; meaningful when problem is None
  DateProblem problem = DateProblem::None;
};

// A date text as an instant within the ephemerides' range: parsed, then
// turned to UTC by its offset or, without one, by the machine's time zone.
InstantReading ReadInstant(std::string_view text);

// The machine's clock: the Julian day now, in UTC.
double NowJulianDay();

// The machine's time zone: the UTC Julian day of a local date and time, or
// nothing where the system cannot tell (a time skipped by a change to summer
// time is taken as the system takes it).
std::optional<double> JulianDayFromLocal(const CivilTime& local);

// The local date and time of a UTC Julian day, to the nearest second.
CivilTime LocalCivilTime(double julianDay);

// "YYYY-MM-DDTHH:MM", the form a date-time field shows: 2026-12-07 21:30 is
// "2026-12-07T21:30" (seconds left out).
std::string DateTimeFieldText(const CivilTime& civil);

}  // namespace celforo
