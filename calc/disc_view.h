// The disc as the camera will record it: how much of it is lit and where,
// which way its pole points, and for Mars and Jupiter which meridian faces
// the Earth. Angles on the sky are position angles, in degrees from the
// celestial north of the date through the east (0 to 360); from J. Meeus,
// "Astronomical Algorithms", 2nd ed., chapters 41 (the phase), 42 (Mars),
// 43 (Jupiter), 45 (Saturn's ring) and 48 (the bright limb), with the poles
// and meridians of calc/planet_rotation.h.
#pragma once

#include <optional>

#include "calc/targets.h"
#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

struct DiscView {
  double phaseAngle = 0;           // Sun-body-observer, 0 to 180 degrees
  double illuminatedFraction = 1;  // (1 + cos phaseAngle) / 2
  // Where the lit limb's midpoint lies, towards the Sun; none for the Sun.
  std::optional<double> brightLimbAngle;
  // Mars, Jupiter and Saturn: the position angle of the north pole; for
  // Saturn also that of the rings' northern minor axis, the same angle, and
  // the rings' tilt B towards the observer (positive: their north face).
  std::optional<double> northPoleAngle;
  std::optional<double> ringTilt;
  // Mars: the west longitude of the central meridian; Jupiter: that of
  // System I and of System II, of the disc's geometric centre.
  std::optional<double> centralMeridian;
  std::optional<double> systemI, systemII;
};

// What the observer sees of `target` at `instant`. `observer` is the
// observer's place from the Earth's centre, in astronomical units, mean
// ecliptic and equinox of J2000 (zero: the Earth's centre; a site's makes
// the Moon's phase topocentric). Meeus's example 48.a, the Moon at
// 1992-04-12 00:00 TT: phase angle 69.0756, lit fraction 0.6786, bright
// limb at 285.0 degrees. Example 42.a, Mars at 1992-11-09 00:00 TT: north
// pole at 347.64, central meridian 111.55.
DiscView DiscViewOf(Target target, TerrestrialTime instant, const Vector3& observer = {});

// The position angle, in degrees from north through east, of the direction
// `towards` seen at the place on the sky `at` (both in the equator of the
// date): from (1, 0, 0), (0, 0, 1) is at 0 and (0, 1, 0) at 90.
double PositionAngle(const Vector3& at, const Vector3& towards);

}  // namespace celforo
