#include <ctime>

#include "calc/calendar_days.h"
#include "calc/time_zone.h"

namespace celforo {

// localtime_r's fields read back as if they were UTC, less the instant: the
// offset, with no reliance on tm_gmtoff.
std::optional<std::int64_t> LocalOffsetSeconds(std::int64_t utcSeconds) {
  const auto clock = static_cast<std::time_t>(utcSeconds);
  std::tm fields{};
  if (static_cast<std::int64_t>(clock) != utcSeconds || localtime_r(&clock, &fields) == nullptr) {
    return std::nullopt;
  }
  const std::int64_t local =
      DaysFromCivil(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday) * 86400 +
      fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec;
  return local - utcSeconds;
}

}  // namespace celforo
