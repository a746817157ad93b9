#include "calc/target_on_date.h"

#include <utility>

#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/jupiter_sight.h"
#include "calc/precession_nutation.h"
#include "calc/sidereal_time.h"
#include "calc/sky_position.h"

namespace celforo {
namespace {

// The site seen from the Earth's centre at an instant, in astronomical
// units on the mean ecliptic and equinox of J2000, the frame DiscViewOf
// takes: SiteVector is on the true equator of the date.
Vector3 ObserverAt(const Site& site, UniversalTime instant) {
  const double localSidereal = ApparentSiderealTime(instant) + site.longitude;
  const Rotation toJ2000 = Transposed(EclipticJ2000ToTrueEquator(ToTerrestrial(instant)));
  return (1.0 / kKilometresPerAu) * (toJ2000 * SiteVector(site, localSidereal));
}

// Everything of the target but its sky.
std::optional<TargetOnDate> Seen(Target target, UniversalTime instant, const Observing& observing) {
  const std::optional<TargetSize> size = observing.site
                                             ? ApparentSize(target, instant, *observing.site)
                                             : ApparentSize(target, instant);
  if (!size) return std::nullopt;
  TargetOnDate seen;
  seen.target = target;
  seen.size = *size;
  seen.instant = instant;
  seen.disc = DiscViewOf(target, ToTerrestrial(instant),
                         observing.site ? ObserverAt(*observing.site, instant) : Vector3{});
  if (target == Target::Jupiter) {
    seen.moons = GalileanMoonsAt(instant);
    seen.redSpotTransit = NextRedSpotTransit(
        instant, observing.redSpotLongitude.value_or(DefaultRedSpotLongitude(instant)));
  }
  return seen;
}

}  // namespace

std::optional<TargetOnDate> TargetOnDateAt(Target target, UniversalTime instant,
                                           const Observing& observing) {
  std::optional<TargetOnDate> seen = Seen(target, instant, observing);
  if (seen && observing.site) {
    seen->sky = PlanSky(target, *observing.site, instant, observing.minimumAltitude);
  }
  return seen;
}

std::optional<TargetOnDate> TargetOnDateAt(Target target, UniversalTime instant,
                                           const Observing& observing, SkyPlan sky) {
  std::optional<TargetOnDate> seen = Seen(target, instant, observing);
  if (seen && observing.site) seen->sky = std::move(sky);
  return seen;
}

std::optional<TargetOnDate> TargetOnDateAt(UniversalTime instant, const Observing& observing,
                                           const TargetOnDate& sameNight) {
  std::optional<TargetOnDate> seen = Seen(sameNight.target, instant, observing);
  if (!seen || !observing.site || !sameNight.sky) return seen;
  SkyPlan sky = *sameNight.sky;
  sky.now = PositionFromSite(sameNight.target, *observing.site, instant);
  const TimeSpan day = LocalDayOf(instant);
  if (day.start != LocalDayOf(sameNight.instant).start) {
    sky.events = RiseTransitSetOf(sameNight.target, *observing.site, day);
  }
  seen->sky = std::move(sky);
  return seen;
}

}  // namespace celforo
