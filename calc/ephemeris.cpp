#include "calc/ephemeris.h"

#include <cmath>

#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/saturn_ring_tilt.h"
#include "calc/sky_position.h"
#include "calc/solar_system.h"

namespace celforo {
namespace {

// The exact angle a sphere of `radius` subtends at `distance`, in arcseconds.
double AngularDiameter(double radius, double distance) {
  return 2.0 * std::atan(radius / distance) * kArcsecondsPerRadian;
}

// The size at `distance` km, with Saturn's tilt from its geocentric place.
TargetSize SizeAt(Target target, TerrestrialTime tt, const GeocentricPlace& place,
                  double distance) {
  const TargetRecord& record = RecordOf(target);
  TargetSize size;
  size.distance = distance;
  if (record.ringsRadius > 0) {
    size.ringsDiameter = AngularDiameter(record.ringsRadius, size.distance);
    size.ringTilt = SaturnRingTilt(place.geocentric, tt);
  }
  size.diameter = AngularDiameter(record.radius, size.distance);
  return size;
}

}  // namespace

std::optional<TargetSize> ApparentSize(Target target, UniversalTime instant) {
  if (!InEphemerisRange(instant)) return std::nullopt;
  const TerrestrialTime tt = ToTerrestrial(instant);
  const GeocentricPlace place = GeocentricPlaceOf(target, tt);
  return SizeAt(target, tt, place, Length(place.geocentric) * kKilometresPerAu);
}

std::optional<TargetSize> ApparentSize(Target target, UniversalTime instant, const Site& site) {
  if (!InEphemerisRange(instant)) return std::nullopt;
  const TerrestrialTime tt = ToTerrestrial(instant);
  return SizeAt(target, tt, GeocentricPlaceOf(target, tt),
                PositionFromSite(target, site, instant).topocentric.distance);
}

}  // namespace celforo
