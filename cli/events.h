// The rows of --events: the phenomena of Jupiter's four large moons in the
// 24 hours from an instant, each its local time, the moon, the event and,
// from a site, Jupiter's altitude then.
#pragma once

#include <optional>
#include <vector>

#include "calc/site.h"
#include "calc/time_scale.h"
#include "cli/row.h"

namespace celforo::cli {

// The span --events covers.
inline constexpr Days kEventsSpan = std::chrono::hours(24);

// The phenomena the Earth can see from `from` for kEventsSpan, in order, as
// rows of Columns::ForEvents(site given), written as text or as JSON. From
// 2016-01-02 00:00 UTC the first is Europa's "inizio eclissi" at 05:35.
std::vector<Row> EventRows(UniversalTime from, const std::optional<Site>& site, bool json);

}  // namespace celforo::cli
