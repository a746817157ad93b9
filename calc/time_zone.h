// The machine's time zone, the one thing each platform answers in its own
// way: time_zone_posix.cpp (the C library's zone, TZ included),
// time_zone_windows.cpp (Windows' zone) and time_zone_web.cpp (the browser's
// or node's, through JavaScript's Date), one of them chosen by CMake.
#pragma once

#include <cstdint>
#include <optional>

namespace celforo {

// How far local time is ahead of UTC, in seconds, at the instant `utcSeconds`
// seconds after 1970-01-01 00:00 UTC (negative before): 3600 in Italy in
// winter, 7200 in summer, -18000 in New York in winter; nothing where the
// system cannot tell.
std::optional<std::int64_t> LocalOffsetSeconds(std::int64_t utcSeconds);

}  // namespace celforo
