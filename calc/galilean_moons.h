// Jupiter's four large moons as the Earth sees them: where each stands
// against Jupiter, whether it is in front of the disc, behind it or in
// Jupiter's shadow, and where its own shadow falls on the disc. From J.
// Meeus, "Astronomical Algorithms", 2nd ed., chapter 44, the method of
// higher accuracy (J. H. Lieske's theory E5, abridged).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calc/vector3.h"

namespace celforo {

enum class GalileanMoon { Io, Europa, Ganymede, Callisto };

inline constexpr std::array<GalileanMoon, 4> kGalileanMoons{
    GalileanMoon::Io, GalileanMoon::Europa, GalileanMoon::Ganymede, GalileanMoon::Callisto};

// The moons' names as the program shows them, in the order of GalileanMoon:
// kGalileanMoonNames[int(GalileanMoon::Ganymede)] is "Ganimede".
inline constexpr std::array<std::string_view, 4> kGalileanMoonNames{"Io", "Europa", "Ganimede",
                                                                    "Callisto"};

// Jupiter as the theory needs it: rectangular coordinates in astronomical
// units, referred to the mean ecliptic and equinox of the date.
struct JupiterSight {
  double julianDayTT = 0;  // the instant of observation, in dynamical time
  Vector3 fromEarth;       // Jupiter seen from the Earth, light time allowed for
  Vector3 fromSun;         // Jupiter's heliocentric position when that light left it
};

// A place on the sky near Jupiter, from Jupiter's centre, in Jupiter's
// equatorial radii: x towards the west, y towards Jupiter's north pole.
struct JovianOffset {
  double x = 0, y = 0;
};

struct GalileanMoonView {
  JovianOffset offset;
  double depth = 0;                    // radii towards the Earth from Jupiter's centre: > 0 nearer
  bool inTransit = false;              // in front of the disc
  bool occulted = false;               // behind the disc
  bool eclipsed = false;               // in Jupiter's shadow
  std::optional<JovianOffset> shadow;  // its shadow on the disc, as seen from the Earth
};

// The four moons, in the order of GalileanMoon. Meeus's example 44.b,
// 1992-12-16 00:00 TD: Io at x = -3.4502, y = +0.2137, Callisto at x =
// +7.0720, y = +1.0291. A moon's centre counts: it is in transit, occulted
// or eclipsed while its centre is on the disc, behind it or in the shadow,
// which is how published predictions time the phenomena. The disc is
// Jupiter's oblate outline, the shadow its cylinder from the Sun.
std::array<GalileanMoonView, 4> GalileanMoonViews(const JupiterSight& sight);

// Jupiter's polar over equatorial radius, 66854 / 71492 km (IAU).
inline constexpr double kJupiterPolarRatio = 66854.0 / 71492.0;

}  // namespace celforo
