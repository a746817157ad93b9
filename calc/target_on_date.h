// A target as the planning shows it at one instant: its size, its disc as
// lit and turned, its place in a site's sky that night, and for Jupiter its
// moons and the Red Spot's next transit. Computed once and read by every
// column of calc/plan_columns.h, for every set-up of a run.
#pragma once

#include <array>
#include <optional>

#include "calc/atmosphere.h"
#include "calc/disc_view.h"
#include "calc/ephemeris.h"
#include "calc/galilean_moons.h"
#include "calc/night.h"
#include "calc/site.h"
#include "calc/targets.h"
#include "calc/time_scale.h"

namespace celforo {

// Where and how the target is watched, beyond the instant.
struct Observing {
  std::optional<Site> site;                          // none: from the Earth's centre, with no sky
  Band band;                                         // the dispersion's, nanometres
  double minimumAltitude = kDefaultMinimumAltitude;  // the best span's, degrees
  // The Great Red Spot's System II longitude; none: DefaultRedSpotLongitude.
  std::optional<double> redSpotLongitude;
};

struct TargetOnDate {
  Target target = Target::Sun;
  TargetSize size;  // from the site where one is given
  UniversalTime instant;
  DiscView disc;               // from the site where one is given
  std::optional<SkyPlan> sky;  // with a site
  // Jupiter's: its four moons (from the Earth's centre; a site moves them
  // by under a thousandth of a radius) and when the Red Spot next crosses
  // the central meridian.
  std::optional<std::array<GalileanMoonView, 4>> moons;
  std::optional<UniversalTime> redSpotTransit;
};

// `target` at `instant`, seen as `observing` says: nothing outside the
// ephemerides' range (InEphemerisRange). From a site, the size and the
// disc are topocentric (the Moon's phase and size change with it), and the
// sky is PlanSky's for the site's local date: at 45.07 N, 7.69 E, 240 m,
// Jupiter on 2026-12-08 at 00:00 UTC stands about 50 degrees high.
std::optional<TargetOnDate> TargetOnDateAt(Target target, UniversalTime instant,
                                           const Observing& observing);

// The same with its sky already computed: `sky` is PlanSky's for the same
// target, the observing's site, the instant and the minimum altitude (its
// curve, if any, kept), so that a front end drawing the night's curve
// computes the sky once for the curve and the results. Without a site the
// sky is dropped, as above.
std::optional<TargetOnDate> TargetOnDateAt(Target target, UniversalTime instant,
                                           const Observing& observing, SkyPlan sky);

// The same target at another instant of the night `sameNight` was computed
// for (a row of a night's table): the night and its best time are kept, the
// rising, transit and setting taken again only where the local date is
// another, the rest computed afresh. Nothing outside the ephemerides' range.
std::optional<TargetOnDate> TargetOnDateAt(UniversalTime instant, const Observing& observing,
                                           const TargetOnDate& sameNight);

}  // namespace celforo
