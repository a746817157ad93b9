#include <emscripten/emscripten.h>

#include <cmath>

#include "calc/time_zone.h"

namespace celforo {
namespace {

// JavaScript's Date, which knows the zone's rules in every year, where the C
// library's conversions hold the time in 32 bits and so wrap around before
// 1901 and after 2038. Its offset is in minutes, west positive.
EM_JS(double, TimezoneOffsetMinutes, (double milliseconds),
      { return new Date(milliseconds).getTimezoneOffset(); });

}  // namespace

std::optional<std::int64_t> LocalOffsetSeconds(std::int64_t utcSeconds) {
  const double minutes = TimezoneOffsetMinutes(static_cast<double>(utcSeconds) * 1000.0);
  if (!std::isfinite(minutes)) return std::nullopt;
  return -static_cast<std::int64_t>(std::llround(minutes * 60.0));
}

}  // namespace celforo
