// How far Saturn's rings are tilted towards the Earth: B, the Saturnicentric
// latitude of the Earth referred to the plane of the rings (J. Meeus,
// "Astronomical Algorithms", 2nd ed., chapter 45).
#pragma once

#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

// B in degrees, positive when the northern face of the rings is seen, for
// Saturn at `geocentric` (ecliptic and equinox of J2000, light time allowed
// for) at `instant`: Meeus's example 45.a, 1992-12-16 00:00 TT, gives
// 16.442.
double SaturnRingTilt(const Vector3& geocentric, TerrestrialTime instant);

}  // namespace celforo
