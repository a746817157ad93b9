// How Mars, Jupiter and Saturn turn: their north poles and prime meridians
// from the IAU's rotational elements, and from those the longitude of the
// central meridian an observer sees. Jupiter's System I and System II
// meridians are those of the disc's geometric centre, as most ephemerides
// give them; some programs (WinJUPOS among them) give the lit disc's
// instead, which differs by up to 0.6 degrees near quadrature.
#pragma once

#include <array>

#include "calc/vector3.h"

namespace celforo {

// A body's north pole (right ascension and declination, J2000 equator) and
// prime meridian W, linear in time: T in Julian centuries and d in days
// from J2000.0 (JD 2451545.0 TT).
struct RotationElements {
  double poleRightAscension, poleRightAscensionPerCentury;  // degrees
  double poleDeclination, poleDeclinationPerCentury;        // degrees
  double primeMeridian, primeMeridianPerDay;                // degrees
};

enum class Meridian { Mars, JupiterSystemI, JupiterSystemII, Saturn };

// B. A. Archinal et al., "Report of the IAU Working Group on Cartographic
// Coordinates and Rotational Elements: 2009" (Celest. Mech. Dyn. Astr. 109,
// 2011), table 1, the pole's periodic terms (under 0.001 degrees for
// Jupiter) left out; Jupiter's Systems I (67.1 + 877.900 d) and II (43.3 +
// 870.270 d) on Jupiter's pole, as the Explanatory Supplement to the
// Astronomical Almanac defines them; Saturn's System III. In the order of
// Meridian.
inline constexpr std::array<RotationElements, 4> kRotationElements{{
    {317.68143, -0.1061, 52.88650, -0.0609, 176.630, 350.89198226},
    {268.056595, -0.006499, 64.495303, 0.002413, 67.1, 877.900},
    {268.056595, -0.006499, 64.495303, 0.002413, 43.3, 870.270},
    {40.589, -0.036, 83.537, -0.004, 38.90, 810.7939024},
}};

// The north pole as a unit vector on the J2000 equator at `julianDayTT`:
// Jupiter's at J2000.0 is at right ascension 268.0566, declination 64.4953.
Vector3 NorthPole(Meridian body, double julianDayTT);

// The west longitude, 0 to 360 degrees, of the meridian through the point
// of the body nearest an observer: `toObserver` runs from the body to the
// observer (J2000 equator), `emittedTT` is when the light the observer sees
// left the body. On Meeus's example 43.a (1992-12-16 00:00 UT) the Earth
// sees Jupiter's System II at 72.3 degrees, 72.74 with Meeus's correction
// to the lit disc.
double CentralMeridian(Meridian body, const Vector3& toObserver, double emittedTT);

}  // namespace celforo
