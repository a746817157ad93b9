#include "calc/date_time.h"

#include <chrono>
#include <cmath>
#include <cstdint>

#include "calc/calendar_days.h"
#include "calc/time_zone.h"

namespace celforo {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00 UTC
constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t SecondsOf(UniversalTime instant) {
  return static_cast<std::int64_t>(std::llround((instant.julianDay() - kUnixEpochJulianDay) *
                                                static_cast<double>(kSecondsPerDay)));
}

UniversalTime InstantOfSeconds(std::int64_t seconds) {
  return UniversalTime(kUnixEpochJulianDay +
                       static_cast<double>(seconds) / static_cast<double>(kSecondsPerDay));
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

// The UTC instants a local time written as seconds `local` (its fields read
// as if UTC) may be: local less the offset in force before and after any
// change of the zone's offset within a day of it. Each candidate holds when
// the offset at it is the one it was made with. None holds for a skipped
// time, both (distinct) for a repeated one.
struct LocalCandidates {
  std::optional<std::int64_t> before, after;  // in UTC seconds
  std::int64_t offsetBefore = 0;
  bool known = false;
};

LocalCandidates CandidatesOf(std::int64_t local) {
  LocalCandidates candidates;
  const std::optional<std::int64_t> before = LocalOffsetSeconds(local - kSecondsPerDay);
  const std::optional<std::int64_t> after = LocalOffsetSeconds(local + kSecondsPerDay);
  if (!before || !after) return candidates;
  candidates.known = true;
  candidates.offsetBefore = *before;
  for (const auto& [offset, slot] :
       {std::pair{*before, &candidates.before}, std::pair{*after, &candidates.after}}) {
    const std::int64_t utc = local - offset;
    if (LocalOffsetSeconds(utc) == offset) *slot = utc;
  }
  return candidates;
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
  if (!IsCalendarDate(civil.year, civil.month, civil.day)) return std::nullopt;
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

UniversalTime UtcInstant(const CivilTime& utc) {
  return InstantOfSeconds(SecondsFromCivil(utc));
}

CivilTime UtcCivilTime(UniversalTime instant) {
  return CivilFromSeconds(SecondsOf(instant));
}

bool InEphemerisRange(UniversalTime instant) {
  static const UniversalTime first = UtcInstant({1800, 1, 1});
  static const UniversalTime end = UtcInstant({2051, 1, 1});
  return instant >= first && instant < end;
}

InstantReading ReadInstant(std::string_view text) {
  const std::optional<DateText> parsed = ParseDateText(text);
  if (!parsed) return {UniversalTime(), DateProblem::Malformed};
  InstantReading reading;
  if (parsed->offsetMinutes) {
    reading.instant = InstantOfSeconds(SecondsFromCivil(parsed->civil) -
                                       std::int64_t{*parsed->offsetMinutes} * 60);
  } else {
    reading = UniversalTimeOfLocal(parsed->civil);
    if (reading.problem != DateProblem::None) return reading;
  }
  if (!InEphemerisRange(reading.instant)) reading.problem = DateProblem::OutOfRange;
  return reading;
}

UniversalTime NowInstant() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double seconds = std::chrono::duration<double>(now).count();
  return UniversalTime(kUnixEpochJulianDay + seconds / static_cast<double>(kSecondsPerDay));
}

InstantReading UniversalTimeOfLocal(const CivilTime& local) {
  const LocalCandidates candidates = CandidatesOf(SecondsFromCivil(local));
  if (!candidates.known) return {UniversalTime(), DateProblem::NoLocalTime};
  if (!candidates.before && !candidates.after)
    return {UniversalTime(), DateProblem::SkippedLocalTime};
  std::int64_t utc = candidates.before ? *candidates.before : *candidates.after;
  if (candidates.before && candidates.after && *candidates.after < utc) utc = *candidates.after;
  return {InstantOfSeconds(utc), DateProblem::None};
}

LocalDateTime LocalTimeOf(UniversalTime instant) {
  const std::int64_t seconds = SecondsOf(instant);
  const std::int64_t offset = LocalOffsetSeconds(seconds).value_or(0);
  return {CivilFromSeconds(seconds + offset), static_cast<int>(offset)};
}

CivilTime LocalCivilTime(UniversalTime instant) {
  return LocalTimeOf(instant).civil;
}

TimeSpan LocalDayOf(UniversalTime instant) {
  const CivilTime date = LocalCivilTime(instant);
  const auto midnight = [](std::int64_t localSeconds) {
    const LocalCandidates candidates = CandidatesOf(localSeconds);
    if (!candidates.known) return InstantOfSeconds(localSeconds);
    if (candidates.before) return InstantOfSeconds(*candidates.before);
    if (candidates.after) return InstantOfSeconds(*candidates.after);
    return InstantOfSeconds(localSeconds - candidates.offsetBefore);  // when the clocks jump
  };
  const std::int64_t start = DaysFromCivil(date.year, date.month, date.day) * kSecondsPerDay;
  return {midnight(start), midnight(start + kSecondsPerDay)};
}

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

std::string LocalMinuteText(UniversalTime instant) {
  const std::int64_t seconds = SecondsOf(instant);
  const std::int64_t offset = LocalOffsetSeconds(seconds).value_or(0);
  const std::int64_t offsetMinutes =
      offset >= 0 ? (offset + 30) / 60 : -((-offset + 30) / 60);  // to the nearest minute
  const std::int64_t minute = (seconds + 30 - ((seconds + 30) % 60 + 60) % 60) / 60;
  std::string text = DateTimeFieldText(CivilFromSeconds((minute + offsetMinutes) * 60));
  if (offsetMinutes == 0) return text + "Z";
  const std::int64_t size = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
  text += offsetMinutes < 0 ? '-' : '+';
  const auto two = [&](std::int64_t value) {
    text += static_cast<char>('0' + value / 10 % 10);
    text += static_cast<char>('0' + value % 10);
  };
  two(size / 60);
  text += ':';
  two(size % 60);
  return text;
}

}  // namespace celforo
