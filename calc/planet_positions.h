// Heliocentric positions of the planets and of the Earth-Moon barycentre from
// mean elements with periodic terms: J. L. Simon, P. Bretagnon, J. Chapront,
// M. Chapront-Touze, G. Francou and J. Laskar, "Numerical expressions for
// precession formulae and mean elements for the Moon and the planets",
// Astron. Astrophys. 282, 663-683 (1994): their mean elements with the
// periodic terms in the semi-major axis and the mean longitude, as the IAU's
// SOFA collection tabulates them for its routine PLAN94; referred to the
// mean ecliptic and equinox of J2000. Between 1800 and 2050 the authors give
// maximum errors against DE102 of 4" (Mercury), 5" (Venus), 6" (the
// barycentre), 17" (Mars), 71" (Jupiter), 81" (Saturn), 86" (Uranus) and 11"
// (Neptune) in longitude.
#pragma once

#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

// The bodies of the theory, in its order.
enum class OrbitingBody {
  Mercury,
  Venus,
  EarthMoonBarycentre,
  Mars,
  Jupiter,
  Saturn,
  Uranus,
  Neptune
};

// The body's heliocentric position in astronomical units, ecliptic and
// equinox of J2000: the Earth-Moon barycentre at JD 2451545.0 TT is
// (-0.17716, 0.96721, -0.00000).
Vector3 HeliocentricPosition(OrbitingBody body, TerrestrialTime instant);

// The position with the velocity, in au per day: the barycentre at J2000.0
// moves 0.01749 au (30.3 km/s) a day.
struct OrbitalState {
  Vector3 position;
  Vector3 velocity;
};
OrbitalState HeliocentricState(OrbitingBody body, TerrestrialTime instant);

}  // namespace celforo
