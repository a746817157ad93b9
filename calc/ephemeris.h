// How large the Sun, the Moon and the planets look from the Earth's centre at
// an instant, and how Saturn's rings are tilted towards it.
#pragma once

#include <optional>

#include "calc/targets.h"

namespace celforo {

struct TargetSize {
  double diameter = 0;       // apparent equatorial diameter, arcseconds
  double ringsDiameter = 0;  // Saturn: the rings' outer diameter, arcseconds; else 0
  double ringTilt = 0;       // Saturn: B, the rings' tilt towards the Earth, degrees; else 0
  double distance = 0;       // from the Earth's centre, km, light time allowed for
};

// The apparent size of `target` at a UTC Julian day within InEphemerisRange;
// nothing outside it, never an extrapolation. Diameters are the exact angles
// 2 * atan(R / distance).
std::optional<TargetSize> ApparentSize(Target target, double julianDay);

}  // namespace celforo
