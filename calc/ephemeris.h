// How large the Sun, the Moon and the planets look from the Earth's centre at
// an instant, and how Saturn's rings are tilted towards it.
#pragma once

#include <optional>

#include "calc/site.h"
#include "calc/targets.h"
#include "calc/time_scale.h"

namespace celforo {

struct TargetSize {
  double diameter = 0;       // apparent equatorial diameter, arcseconds
  double ringsDiameter = 0;  // Saturn: the rings' outer diameter, arcseconds; else 0
  double ringTilt = 0;       // Saturn: B, the rings' tilt towards the Earth, degrees; else 0
  double distance = 0;       // from the Earth's centre (or the site), km, light time allowed for
};

// The apparent size of `target` at an instant within InEphemerisRange;
// nothing outside it, never an extrapolation. Diameters are the exact angles
// 2 * atan(R / distance): the Moon at 1992-04-12 00:00 TT (JD 2448724.5) is
// 368409.7 km away and 1945.45 arcseconds across.
//
// Positions are those of solar_system.h, from the Earth's centre, at the
// instant's Terrestrial Time. Saturn's tilt B follows Meeus's chapter 45,
// with Saturn's direction carried from the J2000 ecliptic to that of the
// date (Meeus chapter 21) first.
std::optional<TargetSize> ApparentSize(Target target, UniversalTime instant);

// The same seen from a site: the distance, and so the diameters, from the
// site rather than the Earth's centre (sky_position's topocentric place).
// The Moon at the zenith is nearer by about an Earth radius and up to 1.8%
// larger: 1945.45 arcseconds across from the centre at 1992-04-12 00:00 TT,
// about 1979.7 from the point below it.
std::optional<TargetSize> ApparentSize(Target target, UniversalTime instant, const Site& site);

}  // namespace celforo
