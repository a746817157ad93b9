// Jupiter, its moons and its Great Red Spot as seen from the Earth at an
// instant: the positions of calc/solar_system.h put to calc/galilean_moons.h,
// calc/galilean_events.h and the Red Spot's transits.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "calc/galilean_events.h"
#include "calc/galilean_moons.h"
#include "calc/time_scale.h"

namespace celforo {

// Jupiter from the Earth's centre and from the Sun, light time allowed for,
// in the mean ecliptic and equinox of the date.
JupiterSight JupiterSightAt(TerrestrialTime instant);

// The four moons at a UT instant, as GalileanMoonViews gives them: at
// 2016-01-02 13:30 UT Io's shadow is on the disc, Io itself not yet.
std::array<GalileanMoonView, 4> GalileanMoonsAt(UniversalTime instant);

// A moon's phenomenon at a UT instant.
struct MoonPhenomenon {
  UniversalTime when;
  GalileanMoon moon = GalileanMoon::Io;
  MoonEventKind kind = MoonEventKind::TransitStart;
  bool visible = true;  // as MoonEvent::visible
};

// The phenomena from `from` for `span` (24 hours for the planner), in
// order: from 2016-01-02 00:00 UT, the first is Europa's eclipse at 05:35
// (the IMCCE's prediction), within a minute or two of the published times.
std::vector<MoonPhenomenon> GalileanPhenomena(UniversalTime from, Days span);

// The Great Red Spot's System II longitude as last measured: 26 degrees on
// 2022-11-01 (JUPOS, the amateur measurements' database, as Project Pluto's
// grs_lon.txt lists it, 386 - 360), drifting since by 1.75 degrees a month
// towards higher longitudes (the IMCCE's JGRS service, 2020).
inline constexpr double kRedSpotMeasuredLongitude = 26.0;
inline constexpr std::string_view kRedSpotMeasuredOn = "2022-11-01";
inline constexpr std::string_view kRedSpotSource = "JUPOS";
inline constexpr double kRedSpotDriftPerMonth = 1.75;
inline constexpr std::string_view kRedSpotDriftSource = "IMCCE";

// The default longitude at `instant`: the measurement carried on at the
// drift, 0 to 360. On 2022-11-01 it is 26; a year later 47.
double DefaultRedSpotLongitude(UniversalTime instant);

// When a feature at System II `longitude` (0 to 360) next crosses the
// central meridian the Earth sees, after `after`: the Earth sees Jupiter as
// it was one light time before, so the meridian it sees is System II's at
// that earlier instant. With the spot at 294 degrees, after 2019-01-17
// 00:00 UT, Sky & Telescope gives 06:27 UT.
UniversalTime NextRedSpotTransit(UniversalTime after, double longitude);

}  // namespace celforo
