#include <emscripten/emscripten.h>

#include <cmath>

#include "calc/time_zone.h"

namespace celforo {
namespace {

// JavaScript's Date, which knows the zone's rules in every year, where the C
// library's conversions hold the time in 32 bits and so wrap around before
// 1901 and after 2038. The offset is read from the local date and time it
// gives, to the second: getTimezoneOffset() gives whole minutes in newer
// engines (Node 20 gives 49 for Rome's local mean time of 1850, 0:49:56), as
// the C library does not. East positive, in milliseconds.
EM_JS(double, TimezoneOffsetMilliseconds, (double milliseconds), {
  const d = new Date(milliseconds);
  return Date.UTC(d.getFullYear(), d.getMonth(), d.getDate(), d.getHours(), d.getMinutes(),
                  d.getSeconds(), d.getMilliseconds()) -
         milliseconds;
});

}  // namespace

std::optional<std::int64_t> LocalOffsetSeconds(std::int64_t utcSeconds) {
  const double milliseconds = TimezoneOffsetMilliseconds(static_cast<double>(utcSeconds) * 1000.0);
  if (!std::isfinite(milliseconds)) return std::nullopt;
  return static_cast<std::int64_t>(std::llround(milliseconds / 1000.0));
}

}  // namespace celforo
