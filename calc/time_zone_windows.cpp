#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "calc/calendar_days.h"
#include "calc/time_zone.h"

namespace celforo {

// Windows' own conversion, which holds for any year from 1601, where the C
// library's stops at 1970.
std::optional<std::int64_t> LocalOffsetSeconds(std::int64_t utcSeconds) {
  const CivilTime civil = CivilFromSeconds(utcSeconds);
  SYSTEMTIME utc{};
  utc.wYear = static_cast<WORD>(civil.year);
  utc.wMonth = static_cast<WORD>(civil.month);
  utc.wDay = static_cast<WORD>(civil.day);
  utc.wHour = static_cast<WORD>(civil.hour);
  utc.wMinute = static_cast<WORD>(civil.minute);
  utc.wSecond = static_cast<WORD>(civil.second);
  SYSTEMTIME local{};
  if (civil.year < 1601 || civil.year > 30827 ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return std::nullopt;
  }
  return SecondsFromCivil(
             {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond}) -
         utcSeconds;
}

}  // namespace celforo
