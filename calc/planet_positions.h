// Heliocentric positions of the planets and of the Earth-Moon barycentre from
// Keplerian elements: E. M. Standish, "Keplerian Elements for Approximate
// Positions of the Major Planets" (JPL Solar System Dynamics), Table 1,
// valid 1800 AD to 2050 AD, in the mean ecliptic and equinox of J2000.
#pragma once

namespace celforo {

// Rectangular coordinates in astronomical units.
struct Vector3 {
  double x = 0, y = 0, z = 0;
};

Vector3 operator-(const Vector3& a, const Vector3& b);
double Length(const Vector3& v);

// The bodies of Table 1, in its order.
enum class OrbitingBody {
  Mercury,
  Venus,
  EarthMoonBarycentre,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune
};

// The body's heliocentric position, ecliptic and equinox of J2000, at
// `centuries` Julian centuries from J2000.0 (JD 2451545.0): the Earth-Moon
// barycentre at 0 is (-0.17717, 0.96721, 0.00000) AU.
Vector3 HeliocentricPosition(OrbitingBody body, double centuries);

// The position of `body` as seen from the Earth-Moon barycentre at
// `julianDay`, light time allowed for: the body where it was when the light
// that arrives then left it. Astronomical units, ecliptic of J2000.
Vector3 GeocentricPosition(OrbitingBody body, double julianDay);

}  // namespace celforo
