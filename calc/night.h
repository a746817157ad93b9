// The night an imager plans: from the Sun's setting to its rising, its
// twilights, when the target stands highest while the sky is dark, how long
// it stays above a minimum altitude, and the target's altitude through it
// as a curve.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "calc/quantity_rules.h"
#include "calc/rise_set.h"
#include "calc/site.h"
#include "calc/sky_position.h"
#include "calc/sky_track.h"
#include "calc/targets.h"
#include "calc/time_scale.h"

namespace celforo {

inline constexpr double kDefaultMinimumAltitude = 30;  // degrees

// Dark enough to image: the Sun at least 6 degrees below the horizon.
inline constexpr double kDarkSunAltitude = -6;

enum class NightKind {
  Ordinary,     // the Sun sets and rises again
  PolarNight,   // the Sun stays below the horizon through the 24 hours
  MidnightSun,  // the Sun stays above it: no night
};

// The best time to image the target: when it stands highest while the Sun
// is at least 6 degrees down; for the Sun itself, its transit.
enum class BestTimeState {
  Found,         // at `time`, `altitude` high
  BelowHorizon,  // the target stays below the horizon while the sky is dark (`time` is
                 // when it is least low)
  NeverDark,     // the Sun never gets 6 degrees down that night
};

struct BestTime {
  BestTimeState state = BestTimeState::NeverDark;
  UniversalTime time;
  double altitude = 0;  // apparent, degrees
};

struct Night {
  NightKind kind = NightKind::Ordinary;
  // Ordinary: from the Sun's setting to its rising. Otherwise the 24 hours
  // centred on the Sun's lower transit, its lowest moment, so that a polar
  // night or a midnight sun still has a span to draw.
  TimeSpan span;
  // The Sun's descent through each twilight's depth after the span begins
  // and its ascent back before it ends, in TwilightDepth's order: Happens;
  // AlwaysAbove where it does not get so deep that night; AlwaysBelow where
  // it stays deeper throughout.
  std::array<SkyEvent, 3> dusk, dawn;
  BestTime best;
  // The longest stretch of the span during which the target's apparent
  // altitude is at least the minimum; for the Sun, of the local day. None
  // if it never is.
  std::optional<TimeSpan> bestSpan;
};

// Which night: the one the instant falls in when the Sun is down, or the
// coming one when it is up (the Sun's next lower transit); a midnight sun
// when the Sun does not set around that lowest moment, a polar night when it
// does not rise. At Turin (45.07 N, 7.69 E) on 2026-12-07 at 15:00 UTC the
// night runs from 15:47 UTC to 06:55 UTC on the 8th.
Night NightOf(const SkyTrack& target, const SkyTrack& sun, UniversalTime instant,
              double minimumAltitude = kDefaultMinimumAltitude);

// One instant of the night's curve.
struct CurvePoint {
  UniversalTime time;
  double altitude = 0;     // the target's, apparent, degrees
  double sunAltitude = 0;  // the Sun's centre, true, degrees: the twilights are -6, -12, -18
};

// `count` instants evenly from the span's start to its end, both included:
// 97 give one every quarter of an hour over a 24-hour span.
std::vector<CurvePoint> NightCurve(const SkyTrack& target, const SkyTrack& sun, TimeSpan span,
                                   std::size_t count);

// Everything the planning shows for a target from a site at an instant
// (within InEphemerisRange; the searches reach a day and a half beyond it),
// the tracks made once for all of it: where it stands then; its rising,
// transit and setting on the local date (LocalDayOf); the night; and, with
// curvePoints above 0, the night's curve.
struct SkyPlan {
  SkyPosition now;
  RiseTransitSet events;
  Night night;
  std::vector<CurvePoint> curve;
};

SkyPlan PlanSky(Target target, const Site& site, UniversalTime instant,
                double minimumAltitude = kDefaultMinimumAltitude, std::size_t curvePoints = 0);

// The same with the local day given, for a front end or a test that is not
// to depend on the machine's time zone.
SkyPlan PlanSky(Target target, const Site& site, UniversalTime instant, TimeSpan localDay,
                double minimumAltitude = kDefaultMinimumAltitude, std::size_t curvePoints = 0);

}  // namespace celforo
