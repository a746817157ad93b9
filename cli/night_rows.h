// The instants of --night MINUTES: the night that begins on the evening of
// the instant's local date, from the Sun's setting to its rising, every
// MINUTES.
#pragma once

#include <vector>

#include "calc/time_scale.h"

namespace celforo::cli {

// The middle of the instant's local date, whose night --night tabulates:
// the Sun is up then in most places, so the night is the one that begins
// that evening. In Italy, 2026-12-07T01:00+01:00 gives 2026-12-07 12:00
// local time, 11:00 UTC.
UniversalTime MiddayOf(UniversalTime instant);

// The rows' instants: the night's start, then every `minutes` (at least 1),
// each computed from its index so that no rounding accumulates, and the
// night's end as the last row unless the step lands within a second of it:
// 18:00 to 19:10 every 30 minutes is 18:00, 18:30, 19:00, 19:10.
std::vector<UniversalTime> NightInstants(TimeSpan night, int minutes);

}  // namespace celforo::cli
