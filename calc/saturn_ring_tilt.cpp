#include "calc/saturn_ring_tilt.h"

#include <cmath>

#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

struct Ecliptic {
  double longitude, latitude;  // radians
};

// Ecliptic coordinates referred to the mean ecliptic and equinox of J2000
// carried to those of the date `centuries` Julian centuries later: Meeus,
// chapter 21, formulae (21.5) and (21.7) with the starting epoch J2000.0
// (T = 0, t = centuries).
Ecliptic PrecessFromJ2000(Ecliptic j2000, double t) {
  const double eta = (47.0029 - (0.03302 - 0.000060 * t) * t) * t * kRadiansPerArcsecond;
  const double bigPi =
      174.876384 * kRadiansPerDegree - (869.8089 - 0.03536 * t) * t * kRadiansPerArcsecond;
  const double p = (5029.0966 + (1.11113 - 0.000006 * t) * t) * t * kRadiansPerArcsecond;
  const double cosLatitude = std::cos(j2000.latitude), sinLatitude = std::sin(j2000.latitude);
  const double sinDifference = std::sin(bigPi - j2000.longitude);
  const double a = std::cos(eta) * cosLatitude * sinDifference - std::sin(eta) * sinLatitude;
  const double b = cosLatitude * std::cos(bigPi - j2000.longitude);
  const double c = std::cos(eta) * sinLatitude + std::sin(eta) * cosLatitude * sinDifference;
  return {p + bigPi - std::atan2(a, b), std::asin(c)};
}

}  // namespace

// The plane of the rings is given in the ecliptic and equinox of the date
// (Meeus 45.1), so Saturn's direction is carried there from J2000 first;
// then sin B = sin i cos β sin(λ - Ω) - cos i sin β.
double SaturnRingTilt(const Vector3& geocentric, TerrestrialTime instant) {
  const double t = JulianCenturies(instant);
  const double inclination = (28.075216 - (0.012998 - 0.000004 * t) * t) * kRadiansPerDegree;
  const double node = (169.508470 + (1.394681 + 0.000412 * t) * t) * kRadiansPerDegree;
  const Ecliptic j2000{std::atan2(geocentric.y, geocentric.x),
                       std::atan2(geocentric.z, std::hypot(geocentric.x, geocentric.y))};
  const Ecliptic ofDate = PrecessFromJ2000(j2000, t);
  const double sinTilt =
      std::sin(inclination) * std::cos(ofDate.latitude) * std::sin(ofDate.longitude - node) -
      std::cos(inclination) * std::sin(ofDate.latitude);
  return std::asin(sinTilt) * kDegreesPerRadian;
}

}  // namespace celforo
