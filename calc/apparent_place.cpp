#include "calc/apparent_place.h"

#include <cmath>

#include "calc/astronomical_constants.h"
#include "calc/lunar_position.h"
#include "calc/planet_positions.h"
#include "calc/precession_nutation.h"
#include "calc/solar_system.h"

namespace celforo {
namespace {

// The Earth's velocity in au per day, ecliptic of J2000: the barycentre's;
// the Earth's own motion about it, 12 m/s, would move a place by under 0.01".
Vector3 EarthVelocity(TerrestrialTime instant) {
  return HeliocentricState(OrbitingBody::EarthMoonBarycentre, instant).velocity;
}

// Meeus chapter 47: the apparent longitude is the series' plus nutation in
// longitude, turned to the equator by the true obliquity.
Vector3 MoonApparentVector(TerrestrialTime instant, const ApparentFrame& frame) {
  const LunarPosition moon = MoonPosition(instant);
  const Vector3 ecliptic =
      FromSpherical(moon.longitude * kRadiansPerDegree + frame.nutationInLongitude,
                    moon.latitude * kRadiansPerDegree, moon.distance);
  return RotationAboutX(-frame.trueObliquity) * ecliptic;
}

}  // namespace

ApparentFrame ApparentFrameAt(TerrestrialTime instant) {
  const Nutation nutation = NutationOf(instant);
  ApparentFrame frame;
  frame.toTrueEquator = EclipticJ2000ToTrueEquator(instant);
  frame.nutationInLongitude = nutation.longitude * kRadiansPerArcsecond;
  frame.trueObliquity =
      MeanObliquity(instant) * kRadiansPerDegree + nutation.obliquity * kRadiansPerArcsecond;
  frame.earthVelocity = EarthVelocity(instant);
  return frame;
}

// The light-time-corrected direction moved by the Earth's velocity over the
// speed of light (annual aberration, to first order, as Meeus (23.2) does
// in coordinates), then carried to the true equator of the date.
Vector3 ApparentGeocentricVector(Target target, TerrestrialTime instant,
                                 const ApparentFrame& frame) {
  if (target == Target::Moon) return MoonApparentVector(instant, frame);
  const GeocentricPlace place = GeocentricPlaceOf(target, instant);
  const double distance = Length(place.geocentric);
  const Vector3 aberrated = place.geocentric + (distance / kLightAuPerDay) * frame.earthVelocity;
  const Vector3 scaled = (distance * kKilometresPerAu / Length(aberrated)) * aberrated;
  return frame.toTrueEquator * scaled;
}

Vector3 ApparentGeocentricVector(Target target, TerrestrialTime instant) {
  return ApparentGeocentricVector(target, instant, ApparentFrameAt(instant));
}

Equatorial ApparentPlace(Target target, TerrestrialTime instant) {
  return EquatorialOf(ApparentGeocentricVector(target, instant));
}

Equatorial EquatorialOf(const Vector3& vector) {
  const Spherical direction = SphericalOf(vector);
  Equatorial equatorial;
  equatorial.rightAscension = direction.longitude * kDegreesPerRadian;
  if (equatorial.rightAscension < 0) equatorial.rightAscension += 360.0;
  equatorial.declination = direction.latitude * kDegreesPerRadian;
  equatorial.distance = Length(vector);
  return equatorial;
}

}  // namespace celforo
