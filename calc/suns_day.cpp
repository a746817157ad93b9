#include "calc/suns_day.h"

#include <chrono>
#include <optional>

#include "calc/rise_set.h"
#include "calc/sky_track.h"

namespace celforo {

SunsDay SunsDayOf(const Site& site, UniversalTime transit, std::size_t curvePoints) {
  constexpr Days kHalfDay = std::chrono::hours(12);
  const TimeSpan around{transit - kHalfDay, transit + kHalfDay};
  const SkyTrack sun(Target::Sun, site, around);
  const std::vector<Crossing> crossings =
      CrossingsOf(sun, SampleTrack(sun, around), HorizonKind::Rising);
  // The last crossing before the transit, if it is a rising, and the first
  // after it, if it is a setting.
  std::optional<UniversalTime> rising, setting;
  bool afterTransit = false;
  for (const Crossing& crossing : crossings) {
    if (crossing.time <= transit) {
      rising = crossing.rising ? std::optional(crossing.time) : std::nullopt;
    } else if (!afterTransit) {
      afterTransit = true;
      if (!crossing.rising) setting = crossing.time;
    }
  }
  SunsDay day;
  if (rising && setting) {
    day.span = {*rising, *setting};
  } else {
    day.span = around;
    day.kind = sun.LocalAt(transit).trueAltitude > sun.RisingAltitude(transit)
                   ? NightKind::MidnightSun
                   : NightKind::PolarNight;
  }
  if (curvePoints > 0) day.curve = NightCurve(sun, sun, day.span, curvePoints);
  return day;
}

}  // namespace celforo
