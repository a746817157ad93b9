// Gregorian calendar arithmetic on <chrono>'s calendar types: civil dates and
// times as counts of days and seconds from 1970-01-01 00:00.
#pragma once

#include <cstdint>

#include "calc/date_time.h"

namespace celforo {

// Whether the date exists: 2024-02-29 does, 2026-02-29 does not.
bool IsCalendarDate(int year, int month, int day);

// Days from 1970-01-01 to a date: 2000-01-01 is 10957, 1969-12-31 is -1.
std::int64_t DaysFromCivil(int year, int month, int day);

// Seconds from 1970-01-01 00:00 to a date and time read as UTC, and back:
// 2000-01-01 12:00 is 946728000.
std::int64_t SecondsFromCivil(const CivilTime& civil);
CivilTime CivilFromSeconds(std::int64_t seconds);

}  // namespace celforo
