// How the Earth's axis moves: precession (J. Meeus, "Astronomical
// Algorithms", 2nd ed., 1998, chapter 21, the rigorous method), nutation's
// main terms and the obliquity of the ecliptic (chapter 22), as rotations
// between the frames the positions are computed in and the true equator and
// equinox of the date that the sky is seen in.
#pragma once

#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

// The mean obliquity of J2000.0, 23 26' 21.448" (Meeus (22.2) at T = 0).
inline constexpr double kObliquityJ2000Degrees = 23.0 + 26.0 / 60.0 + 21.448 / 3600.0;

// Nutation in longitude and in obliquity, in arcseconds, from the four main
// terms of Meeus chapter 22 (within 0.5" and 0.1" of the full series):
// 1987-04-10 00:00 TT gives about -3.8 and +9.4 (example 22.a: -3.788,
// +9.443).
struct Nutation {
  double longitude = 0;
  double obliquity = 0;
};
Nutation NutationOf(TerrestrialTime instant);

// The mean obliquity of the ecliptic in degrees, Meeus (22.2): 1987-04-10
// 00:00 TT gives 23 26' 27.407".
double MeanObliquity(TerrestrialTime instant);

// The rotation from the mean equator and equinox of J2000 to those of the
// date, Meeus (21.3) for zeta, z and theta: example 21.b's star at J2000
// (41.054063, 49.227750) comes to (41.547214, 49.348483) at 2028-11-13.19 TD.
Rotation PrecessionFromJ2000(TerrestrialTime instant);

// The rotation from the mean equator and equinox of the date to the true
// ones: nutation in longitude about the ecliptic's pole.
Rotation NutationRotation(TerrestrialTime instant);

// From the mean ecliptic and equinox of J2000 to the true equator and
// equinox of the date: the planets' frame to the sky's.
Rotation EclipticJ2000ToTrueEquator(TerrestrialTime instant);

// From the mean ecliptic and equinox of the date to the mean ecliptic and
// equinox of J2000: the Moon's frame to the planets'.
Rotation EclipticOfDateToJ2000(TerrestrialTime instant);

}  // namespace celforo
