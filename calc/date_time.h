// Dates and times as the planning takes them: a civil date and time read from
// a text, instants in Universal Time, and the machine's local time. The
// Gregorian calendar throughout; UTC stands for UT1 (they differ by under a
// second).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/time_scale.h"

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

// The instant of a UTC date and time: 2000-01-01 12:00 is JD 2451545.
UniversalTime UtcInstant(const CivilTime& utc);

// The UTC date and time of an instant, to the nearest second: JD 2451545.25
// is 2000-01-01 18:00:00.
CivilTime UtcCivilTime(UniversalTime instant);

// The instants the ephemerides hold: from 1800-01-01 00:00 UTC up to, not
// including, 2051-01-01 00:00 UTC.
bool InEphemerisRange(UniversalTime instant);

// The same range, as a reason for refusing an instant outside it.
inline constexpr std::string_view kEphemerisRangeText = "1800-01-01 to 2050-12-31 (UTC)";

// Why a date text, or a local date and time, gives no instant.
enum class DateProblem {
  None,
  Malformed,        // not a date text, or no such day
  OutOfRange,       // outside InEphemerisRange
  NoLocalTime,      // the system cannot tell the local time in UTC
  SkippedLocalTime  // a local time the clocks skip, as when summer time begins
};

struct InstantReading {
  UniversalTime instant;  // meaningful when problem is None
  DateProblem problem = DateProblem::None;
};

// A date text as an instant within the ephemerides' range: parsed, then
// turned to UTC by its offset or, without one, by the machine's time zone as
// UniversalTimeOfLocal does.
InstantReading ReadInstant(std::string_view text);

// The machine's clock: the instant now.
UniversalTime NowInstant();

// The instant of a local date and time in the machine's time zone. A time
// the clocks skip (02:30 on the morning summer time begins in Italy) is
// refused with SkippedLocalTime; a time that happens twice (02:30 on the
// morning it ends) is the first of the two, in summer time; NoLocalTime where
// the system cannot tell. "2026-07-01 12:00" in Italy is 10:00 UTC.
InstantReading UniversalTimeOfLocal(const CivilTime& local);

// The local date and time of an instant, to the nearest second, and how far
// local time is then ahead of UTC: 2026-07-01 10:00 UTC in Italy is 12:00 at
// +7200 seconds. UTC itself where the system cannot tell.
struct LocalDateTime {
  CivilTime civil;
  int offsetSeconds = 0;
};
LocalDateTime LocalTimeOf(UniversalTime instant);

// LocalTimeOf's date and time alone.
CivilTime LocalCivilTime(UniversalTime instant);

// The local calendar date an instant falls on, from its first moment (00:00,
// or when the clocks jump past a skipped midnight) to the next date's: in
// Italy 2026-03-29, the day summer time begins, runs 23 hours, from 23:00 UTC
// on the 28th to 22:00 UTC on the 29th.
TimeSpan LocalDayOf(UniversalTime instant);

// "YYYY-MM-DDTHH:MM", the form a date-time field shows: 2026-12-07 21:30 is
// "2026-12-07T21:30" (seconds left out).
std::string DateTimeFieldText(const CivilTime& civil);

// An instant in local time to the nearest minute, with the offset from UTC:
// "2026-12-07T21:30+01:00", "Z" where local time is UTC, "-05:00" west of
// Greenwich. 2026-12-07 20:29:30 UTC in Italy is "2026-12-07T21:30+01:00".
// An offset with seconds (local mean time, before the time zones) is shown
// to the minute, and the time with it.
std::string LocalMinuteText(UniversalTime instant);

}  // namespace celforo
