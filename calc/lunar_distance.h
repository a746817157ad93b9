// The distance from the Earth's centre to the Moon's, from the lunar series
// of J. Meeus, "Astronomical Algorithms" (2nd ed., 1998), chapter 47.
#pragma once

namespace celforo {

// Kilometres at a Julian day in dynamical time: 1992-04-12 00:00 (JD
// 2448724.5) gives 368409.7, Meeus's example 47.a.
double LunarDistance(double julianDay);

}  // namespace celforo
