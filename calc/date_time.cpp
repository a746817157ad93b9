#include "calc/date_time.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#elif defined(__EMSCRIPTEN__)
#include <emscripten/emscripten.h>
#endif

namespace celforo {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UTC
constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 to a Gregorian date, for any year (H. Hinnant's
// days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The Gregorian date of a count of days from 1970-01-01 (civil_from_days).
CivilTime CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  CivilTime civil;
  civil.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  civil.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  civil.year = static_cast<int>(yearOfEra + era * 400 + (civil.month <= 2 ? 1 : 0));
  return civil;
}

std::int64_t SecondsFromEpoch(const CivilTime& civil) {
  return DaysFromCivil(civil.year, civil.month, civil.day) * kSecondsPerDay + civil.hour * 3600 +
         civil.minute * 60 + civil.second;
}

CivilTime CivilFromSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  CivilTime civil = CivilFromDays(days);
  civil.hour = static_cast<int>(rest / 3600);
  civil.minute = static_cast<int>(rest / 60 % 60);
  civil.second = static_cast<int>(rest % 60);
  return civil;
}

std::int64_t SecondsOf(double julianDay) {
  return static_cast<std::int64_t>(
      std::llround((julianDay - kUnixEpochJulianDay) * static_cast<double>(kSecondsPerDay)));
}

double JulianDayOfSeconds(std::int64_t seconds) {
  return kUnixEpochJulianDay + static_cast<double>(seconds) / static_cast<double>(kSecondsPerDay);
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads exactly `count` digits at `at`, moving past them.
std::optional<int> Digits(std::string_view text, std::size_t& at, std::size_t count) {
  if (text.size() < at + count) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = text[at + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  at += count;
  return value;
}

bool Expect(std::string_view text, std::size_t& at, char wanted) {
  if (at >= text.size() || text[at] != wanted) return false;
  ++at;
  return true;
}

}  // namespace

std::optional<DateText> ParseDateText(std::string_view text) {
  std::size_t at = 0;
  DateText parsed;
  CivilTime& civil = parsed.civil;
  const std::optional<int> year = Digits(text, at, 4);
  if (!year || !Expect(text, at, '-')) return std::nullopt;
  const std::optional<int> month = Digits(text, at, 2);
  if (!month || !Expect(text, at, '-')) return std::nullopt;
  const std::optional<int> day = Digits(text, at, 2);
  if (!day) return std::nullopt;
  civil.year = *year;
  civil.month = *month;
  civil.day = *day;
  if (civil.month < 1 || civil.month > 12 || civil.day < 1 ||
      civil.day > DaysInMonth(civil.year, civil.month)) {
    return std::nullopt;
  }
  if (at == text.size()) {
    parsed.offsetMinutes = 0;  // a date alone is 00:00 UTC
    return parsed;
  }
  if (!Expect(text, at, 'T') && !Expect(text, at, ' ')) return std::nullopt;
  const std::optional<int> hour = Digits(text, at, 2);
  if (!hour || !Expect(text, at, ':')) return std::nullopt;
  const std::optional<int> minute = Digits(text, at, 2);
  if (!minute) return std::nullopt;
  std::optional<int> second = 0;
  if (at < text.size() && text[at] == ':') {
    ++at;
    second = Digits(text, at, 2);
    if (!second) return std::nullopt;
  }
  civil.hour = *hour;
  civil.minute = *minute;
  civil.second = *second;
  if (civil.hour > 23 || civil.minute > 59 || civil.second > 59) return std::nullopt;
  if (at == text.size()) return parsed;  // no zone: local time
  if (Expect(text, at, 'Z')) {
    if (at != text.size()) return std::nullopt;
    parsed.offsetMinutes = 0;
    return parsed;
  }
  const char sign = text[at++];
  if (sign != '+' && sign != '-') return std::nullopt;
  const std::optional<int> offsetHours = Digits(text, at, 2);
  if (!offsetHours || !Expect(text, at, ':')) return std::nullopt;
  const std::optional<int> offsetMinutes = Digits(text, at, 2);
  if (!offsetMinutes || at != text.size() || *offsetHours > 23 || *offsetMinutes > 59) {
    return std::nullopt;
  }
  const int offset = *offsetHours * 60 + *offsetMinutes;
  parsed.offsetMinutes = sign == '-' ? -offset : offset;
  return parsed;
}

double JulianDay(const CivilTime& utc) {
  return JulianDayOfSeconds(SecondsFromEpoch(utc));
}

CivilTime CivilTimeOf(double julianDay) {
  return CivilFromSeconds(SecondsOf(julianDay));
}

bool InEphemerisRange(double julianDay) {
  static const double first = JulianDay({1800, 1, 1});
  static const double end = JulianDay({2051, 1, 1});
  return julianDay >= first && julianDay < end;
}

InstantReading ReadInstant(std::string_view text) {
  const std::optional<DateText> parsed = ParseDateText(text);
  if (!parsed) return {0, DateProblem::Malformed};
  double julianDay = 0;
  if (parsed->offsetMinutes) {
    julianDay = JulianDayOfSeconds(SecondsFromEpoch(parsed->civil) -
                                   std::int64_t{*parsed->offsetMinutes} * 60);
  } else {
    const std::optional<double> local = JulianDayFromLocal(parsed->civil);
    if (!local) return {0, DateProblem::NoLocalTime};
    julianDay = *local;
  }
  if (!InEphemerisRange(julianDay)) return {julianDay, DateProblem::OutOfRange};
  return {julianDay, DateProblem::None};
}

double NowJulianDay() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double seconds = std::chrono::duration<double>(now).count();
  return kUnixEpochJulianDay + seconds / static_cast<double>(kSecondsPerDay);
}

#ifdef _WIN32

// Windows' own conversions, which hold for any year from 1601, where the C
// library's stop at 1970.
SYSTEMTIME SystemTimeOf(const CivilTime& civil) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(civil.year);
  time.wMonth = static_cast<WORD>(civil.month);
  time.wDay = static_cast<WORD>(civil.day);
  time.wHour = static_cast<WORD>(civil.hour);
  time.wMinute = static_cast<WORD>(civil.minute);
  time.wSecond = static_cast<WORD>(civil.second);
  return time;
}

std::optional<double> JulianDayFromLocal(const CivilTime& local) {
  const SYSTEMTIME localTime = SystemTimeOf(local);
  SYSTEMTIME utc{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &localTime, &utc)) return std::nullopt;
  return JulianDay({utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond});
}

CivilTime LocalCivilTime(double julianDay) {
  const CivilTime civil = CivilTimeOf(julianDay);
  const SYSTEMTIME utc = SystemTimeOf(civil);
  SYSTEMTIME local{};
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return civil;
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

#elif defined(__EMSCRIPTEN__)

// JavaScript's Date, which knows the zone's rules in every year, where the C
// library's conversions hold the time in 32 bits and so wrap around before
// 1901 and after 2038.
EM_JS(double, LocalToUtcMilliseconds,
      (int year, int month, int day, int hour, int minute, int second), {
        const date = new Date(0);
        date.setFullYear(year, month - 1, day);
        date.setHours(hour, minute, second, 0);
        return date.getTime();
      });

EM_JS(void, UtcToLocalFields, (double milliseconds, int* fields), {
  const date = new Date(milliseconds);
  const values = [
    date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(), date.getMinutes(),
    date.getSeconds()
  ];
  for (let i = 0; i < values.length; ++i) HEAP32[(fields >> 2) + i] = values[i];
});

std::optional<double> JulianDayFromLocal(const CivilTime& local) {
  const double milliseconds = LocalToUtcMilliseconds(local.year, local.month, local.day, local.hour,
                                                     local.minute, local.second);
  if (!std::isfinite(milliseconds)) return std::nullopt;
  return JulianDayOfSeconds(static_cast<std::int64_t>(milliseconds / 1000.0));
}

CivilTime LocalCivilTime(double julianDay) {
  const double milliseconds = static_cast<double>(SecondsOf(julianDay)) * 1000.0;
  int fields[6] = {};
  UtcToLocalFields(milliseconds, fields);
  return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

#else

std::optional<double> JulianDayFromLocal(const CivilTime& local) {
  std::tm fields{};
  fields.tm_year = local.year - 1900;
  fields.tm_mon = local.month - 1;
  fields.tm_mday = local.day;
  fields.tm_hour = local.hour;
  fields.tm_min = local.minute;
  fields.tm_sec = local.second;
  fields.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&fields);
  if (seconds == static_cast<std::time_t>(-1) && !(local.year == 1969 || local.year == 1970)) {
    return std::nullopt;
  }
  return JulianDayOfSeconds(static_cast<std::int64_t>(seconds));
}

CivilTime LocalCivilTime(double julianDay) {
  const std::int64_t seconds = SecondsOf(julianDay);
  const auto clock = static_cast<std::time_t>(seconds);
  std::tm fields{};
  if (static_cast<std::int64_t>(clock) != seconds || localtime_r(&clock, &fields) == nullptr) {
    return CivilTimeOf(julianDay);
  }
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
          fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

#endif

std::string DateTimeFieldText(const CivilTime& civil) {
  char text[32];
  const auto two = [&](int value, std::size_t at) {
    text[at] = static_cast<char>('0' + value / 10 % 10);
    text[at + 1] = static_cast<char>('0' + value % 10);
  };
  two(civil.year / 100, 0);
  two(civil.year % 100, 2);
  text[4] = '-';
  two(civil.month, 5);
  text[7] = '-';
  two(civil.day, 8);
  text[10] = 'T';
  two(civil.hour, 11);
  text[13] = ':';
  two(civil.minute, 14);
  return std::string(text, 16);
}

}  // namespace celforo
