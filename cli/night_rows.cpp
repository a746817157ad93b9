#include "cli/night_rows.h"

#include <chrono>

#include "calc/date_time.h"

namespace celforo::cli {

UniversalTime MiddayOf(UniversalTime instant) {
  const TimeSpan day = LocalDayOf(instant);
  return day.start + (day.end - day.start) / 2.0;
}

std::vector<UniversalTime> NightInstants(TimeSpan night, int minutes) {
  constexpr Days kClose = std::chrono::seconds(1);
  const Days step = std::chrono::minutes(minutes);
  std::vector<UniversalTime> instants;
  for (int row = 0;; ++row) {
    const UniversalTime at = night.start + step * static_cast<double>(row);
    if (at > night.end - kClose) break;
    instants.push_back(at);
  }
  instants.push_back(night.end);
  return instants;
}

}  // namespace celforo::cli
