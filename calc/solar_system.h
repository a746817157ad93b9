// Where the Sun, the Moon and the planets are seen from the Earth's centre:
// the geometric positions every other computation starts from. The planets
// and the Earth-Moon barycentre come from planet_positions (Simon et al.
// 1994), the Moon from lunar_position (Meeus chapter 47); the Earth is the
// barycentre less 1 / (1 + 81.30) of the Moon's geocentric vector (its
// rough place: the Earth moves by under 10 km for it).
#pragma once

#include "calc/targets.h"
#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

// The Earth's centre seen from the Sun's, in astronomical units, mean
// ecliptic and equinox of J2000: at JD 2451545.0 TT about (-0.17714,
// 0.96724, -0.00000), VSOP87's (-0.1771355, 0.9672416, -0.0000039).
Vector3 EarthPosition(TerrestrialTime instant);

// A body seen from the Earth's centre at an instant, light time allowed for:
// where the body was when the light that arrives at the instant left it.
// Astronomical units, mean ecliptic and equinox of J2000, with no aberration
// or nutation (apparent_place adds them).
struct GeocentricPlace {
  Vector3 geocentric;    // the Earth's centre to the body
  Vector3 heliocentric;  // the Sun to the body when its light left it; zero for the Sun
  Vector3 earth;         // the Sun to the Earth's centre at the instant
  double lightTime = 0;  // days
};

// Meeus's example 33.a, Venus at 1992-12-20 00:00 TT: 0.910947 au away,
// light time 0.0052612 days, heliocentric distance 0.724604 au.
GeocentricPlace GeocentricPlaceOf(Target target, TerrestrialTime instant);

}  // namespace celforo
