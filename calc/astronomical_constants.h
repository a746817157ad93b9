// The constants the astronomy is computed with, in one place: angles, the
// epoch and the century of the ephemerides, the astronomical unit, the speed
// of light, the Earth's figure and the Earth-Moon mass ratio.
#pragma once

#include <numbers>

namespace celforo {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
inline constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// 648000 / pi: 206264.806... arcseconds in a radian.
inline constexpr double kArcsecondsPerRadian = 648000.0 / std::numbers::pi;
inline constexpr double kRadiansPerArcsecond = std::numbers::pi / 648000.0;

inline constexpr double kSecondsPerDay = 86400.0;

// J2000.0, 2000-01-01 12:00 TT, as a Julian day; and the Julian century the
// series' T counts (Meeus, "Astronomical Algorithms", 2nd ed., 1998, (22.1)).
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// The astronomical unit (IAU 2012, exact) and the speed of light (exact).
inline constexpr double kKilometresPerAu = 149597870.7;
inline constexpr double kSpeedOfLightKmPerSecond = 299792.458;
// Light's speed in astronomical units per day: 173.1446...
inline constexpr double kLightAuPerDay =
    kSpeedOfLightKmPerSecond * kSecondsPerDay / kKilometresPerAu;

// The Earth's figure as Meeus's chapter 11 takes it (IAU 1976): the
// equatorial radius in kilometres and the flattening.
inline constexpr double kEarthEquatorialRadiusKm = 6378.14;
inline constexpr double kEarthFlattening = 1.0 / 298.257;

// The Earth's mass over the Moon's: the Earth lies 1 / (1 + 81.30) of the
// Moon's geocentric vector from the Earth-Moon barycentre, towards the Earth.
inline constexpr double kEarthMoonMassRatio = 81.30;

}  // namespace celforo
