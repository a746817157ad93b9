// Sidereal time at Greenwich, the angle the Earth has turned: J. Meeus,
// "Astronomical Algorithms" (2nd ed., 1998), chapter 12. It takes Universal
// Time, the Earth's rotation.
#pragma once

#include "calc/time_scale.h"

namespace celforo {

// Greenwich mean sidereal time in degrees, 0..360, Meeus (12.4):
// 1987-04-10 19:21:00 UT gives 128.7378734 (example 12.b).
double MeanSiderealTime(UniversalTime instant);

// Greenwich apparent sidereal time in degrees, 0..360: the mean plus the
// equation of the equinoxes, nutation in longitude times the cosine of the
// obliquity. 1987-04-10 00:00 UT gives 13h10m46.1351s, 197.6922296 degrees
// (example 12.a), within the 0.5" of nutation's main terms.
double ApparentSiderealTime(UniversalTime instant);

}  // namespace celforo
