// The Sun's own day, which a plan for the Sun itself draws in place of the
// night: from its rising to its setting about a transit, with its altitude
// through it as a curve.
#pragma once

#include <cstddef>
#include <vector>

#include "calc/night.h"
#include "calc/site.h"
#include "calc/time_scale.h"

namespace celforo {

struct SunsDay {
  // Ordinary: the Sun rises before the transit and sets after it, each
  // within 12 hours, by the almanacs' convention (its upper limb on a level
  // horizon with 34' of refraction). MidnightSun: it stays up; PolarNight:
  // it stays down.
  NightKind kind = NightKind::Ordinary;
  // Ordinary: from the rising to the setting; otherwise the 24 hours
  // centred on the transit.
  TimeSpan span;
  // The Sun's apparent altitude at evenly spaced instants of the span, both
  // ends included (NightCurve's rule), `altitude` and `sunAltitude` alike
  // the Sun's.
  std::vector<CurvePoint> curve;
};

// The day about `transit` (a plan's best time for the Sun), with a curve of
// `curvePoints` instants. At 60 N, 0 E on 2019-03-20 (transit near 12:08
// UT) the day runs from 06:03 to 18:14 UT, as the U.S. Naval Observatory's
// table has it; at 80 N the June solstice is a midnight sun and the December
// one a polar night, each a span of 24 hours.
SunsDay SunsDayOf(const Site& site, UniversalTime transit, std::size_t curvePoints);

}  // namespace celforo
