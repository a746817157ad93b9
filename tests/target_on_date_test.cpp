// A target as the planning columns read it: what is computed for which
// target and site, the Moon's size from the point below it (Meeus's example
// 47.a), and a night's later instants computed from its first alike.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/apparent_place.h"
#include "calc/date_time.h"
#include "calc/sidereal_time.h"
#include "calc/target_on_date.h"

namespace celforo {
namespace {

const Site kTurin{45.07, 7.69, 240};

TEST(TargetOnDate, WhatIsComputedForWhichTargetAndSite) {
  const UniversalTime evening = UtcInstant({2026, 12, 7, 20, 0, 0});
  for (const TargetRecord& record : kTargets) {
    SCOPED_TRACE(std::string(record.englishName));
    for (const bool fromSite : {false, true}) {
      Observing observing;
      if (fromSite) observing.site = kTurin;
      const std::optional<TargetOnDate> seen = TargetOnDateAt(record.target, evening, observing);
      ASSERT_TRUE(seen);
      EXPECT_EQ(seen->target, record.target);
      EXPECT_EQ(seen->instant, evening);
      EXPECT_GT(seen->size.diameter, 0);
      EXPECT_EQ(seen->sky.has_value(), fromSite);
      const bool jupiter = record.target == Target::Jupiter;
      EXPECT_EQ(seen->moons.has_value(), jupiter);
      EXPECT_EQ(seen->redSpotTransit.has_value(), jupiter);
      if (jupiter) {
        EXPECT_GT(*seen->redSpotTransit, evening);
      }
      EXPECT_EQ(seen->disc.brightLimbAngle.has_value(), record.target != Target::Sun);
      // The sky given, as the panel gives the night curve's: the rest the
      // same, the sky the one given (from a site), its curve kept.
      const SkyPlan sky = PlanSky(record.target, kTurin, evening, kDefaultMinimumAltitude, 5);
      const std::optional<TargetOnDate> given =
          TargetOnDateAt(record.target, evening, observing, sky);
      ASSERT_TRUE(given);
      EXPECT_EQ(given->size.diameter, seen->size.diameter);
      EXPECT_EQ(given->disc.systemII, seen->disc.systemII);
      EXPECT_EQ(given->sky.has_value(), fromSite);
      if (fromSite) {
        EXPECT_EQ(given->sky->now.altitude, seen->sky->now.altitude);
        EXPECT_EQ(given->sky->night.best.time, seen->sky->night.best.time);
        EXPECT_EQ(given->sky->curve.size(), 5U);
      }
    }
  }
  EXPECT_FALSE(TargetOnDateAt(Target::Moon, UtcInstant({1799, 12, 31, 23, 0, 0}), {}));
  Observing turin;
  turin.site = kTurin;
  EXPECT_FALSE(TargetOnDateAt(Target::Moon, UtcInstant({2051, 1, 1}), turin));
}

// Seen from the point below it, the Moon of example 47.a (368409.7 km from
// the Earth's centre at 1992-04-12 0h TT, 1945.45" across) is an Earth's
// radius nearer, 1979.7" across, and seen along the same line as from the
// centre, with the geocentric phase angle of example 48.a, 69.0756.
TEST(TargetOnDate, FromASiteTheMoonIsTopocentric) {
  const UniversalTime instant = ToUniversal(TerrestrialTime(2448724.5));
  const Equatorial moon = ApparentPlace(Target::Moon, TerrestrialTime(2448724.5));
  const double longitude =
      std::remainder(moon.rightAscension - ApparentSiderealTime(instant), 360.0);
  Observing below;
  below.site = Site{moon.declination, longitude, 0};
  const std::optional<TargetOnDate> centre = TargetOnDateAt(Target::Moon, instant, {});
  const std::optional<TargetOnDate> site = TargetOnDateAt(Target::Moon, instant, below);
  ASSERT_TRUE(centre && site);
  EXPECT_NEAR(centre->size.diameter, 1945.45, 0.1);
  EXPECT_NEAR(site->size.diameter, 1979.7, 0.1);
  EXPECT_NEAR(centre->disc.phaseAngle, 69.0756, 0.1);
  // Seen along the same line its phase is the same: a site put in the wrong
  // frame or unit would move the line by up to a degree.
  EXPECT_NEAR(site->disc.phaseAngle, centre->disc.phaseAngle, 0.01);
  EXPECT_NEAR(site->sky->now.altitude, 90, 0.05);
}

// A night's row from the row before: the same as computed afresh, but for
// the night, which stays the first row's; the rising and setting those of
// the row's own local date, after midnight too.
TEST(TargetOnDate, AnotherInstantOfTheSameNight) {
  Observing observing;
  observing.site = kTurin;
  observing.redSpotLongitude = 40;
  const UniversalTime noon = UtcInstant({2026, 12, 7, 11, 0, 0});
  std::optional<TargetOnDate> previous = TargetOnDateAt(Target::Jupiter, noon, observing);
  ASSERT_TRUE(previous && previous->sky);
  const TimeSpan night = previous->sky->night.span;
  for (double hours = 0; hours <= 15; hours += 2.5) {
    const UniversalTime at = night.start + Days(hours / 24);
    SCOPED_TRACE(LocalMinuteText(at));
    const std::optional<TargetOnDate> row = TargetOnDateAt(at, observing, *previous);
    const std::optional<TargetOnDate> afresh = TargetOnDateAt(Target::Jupiter, at, observing);
    ASSERT_TRUE(row && afresh);
    EXPECT_EQ(row->instant, at);
    EXPECT_EQ(row->size.diameter, afresh->size.diameter);
    EXPECT_EQ(row->disc.systemII, afresh->disc.systemII);
    EXPECT_EQ(row->redSpotTransit, afresh->redSpotTransit);
    EXPECT_EQ((*row->moons)[2].offset.x, (*afresh->moons)[2].offset.x);
    EXPECT_EQ(row->sky->now.altitude, afresh->sky->now.altitude);
    EXPECT_EQ(row->sky->now.azimuth, afresh->sky->now.azimuth);
    for (const auto event :
         {&RiseTransitSet::rise, &RiseTransitSet::transit, &RiseTransitSet::set}) {
      EXPECT_EQ((row->sky->events.*event).state, (afresh->sky->events.*event).state);
      EXPECT_NEAR(((row->sky->events.*event).time - (afresh->sky->events.*event).time).count(), 0,
                  1e-9);
    }
    EXPECT_EQ(row->sky->night.span.start, night.start);
    EXPECT_EQ(row->sky->night.span.end, night.end);
    EXPECT_EQ(row->sky->night.best.time, previous->sky->night.best.time);
    previous = row;
  }
}

}  // namespace
}  // namespace celforo
