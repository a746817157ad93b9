// The Moon's geocentric position from the lunar series of J. Meeus,
// "Astronomical Algorithms" (2nd ed., 1998), chapter 47 (after ELP-2000/82):
// within about 10" in longitude and 4" in latitude.
#pragma once

#include "calc/time_scale.h"

namespace celforo {

// Ecliptic longitude and latitude referred to the mean ecliptic and equinox
// of the date, in degrees, and the distance between the Earth's and the
// Moon's centres in kilometres.
struct LunarPosition {
  double longitude = 0;  // 0..360
  double latitude = 0;
  double distance = 0;
};

// Meeus's example 47.a, 1992-04-12 00:00 TT (JD 2448724.5): longitude
// 133.162655, latitude -3.229126, distance 368409.7.
LunarPosition MoonPosition(TerrestrialTime instant);

// The same from the ten largest terms of each table alone: within about
// 0.1 degree and 300 km, for where only a rough place is wanted (the Earth's
// offset from the Earth-Moon barycentre, 1/82.3 of it) at a tenth of the
// cost.
LunarPosition RoughMoonPosition(TerrestrialTime instant);

}  // namespace celforo
