#include "calc/ephemeris.h"

#include <cmath>

#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/saturn_ring_tilt.h"
#include "calc/solar_system.h"

namespace celforo {
namespace {

// The exact angle a sphere of `radius` subtends at `distance`, in arcseconds.
double AngularDiameter(double radius, double distance) {
  return 2.0 * std::atan(radius / distance) * kArcsecondsPerRadian;
}

}  // namespace

std::optional<TargetSize> ApparentSize(Target target, UniversalTime instant) {
  if (!InEphemerisRange(instant)) return std::nullopt;
  const TerrestrialTime tt = ToTerrestrial(instant);
  const TargetRecord& record = RecordOf(target);
  const GeocentricPlace place = GeocentricPlaceOf(target, tt);
  TargetSize size;
  size.distance = Length(place.geocentric) * kKilometresPerAu;
  if (record.ringsRadius > 0) {
    size.ringsDiameter = AngularDiameter(record.ringsRadius, size.distance);
    size.ringTilt = SaturnRingTilt(place.geocentric, tt);
  }
  size.diameter = AngularDiameter(record.radius, size.distance);
  return size;
}

}  // namespace celforo
