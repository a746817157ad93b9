// Risings, transits, settings, twilights and nights against published
// tables: the U.S. Naval Observatory's "Rise and Set for the Sun / the Moon
// for One Year" (Universal Time, to the minute; pages saved in
// github.com/cosinekitty/astronomy, generate/riseset/), Meeus's example
// 15.a, the Sun's days (the same tables), and twilight times for Orlando from the same repository.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/date_time.h"
#include "calc/night.h"
#include "calc/rise_set.h"
#include "calc/suns_day.h"

namespace celforo {
namespace {

// A table's entry: a time "HHMM", or a state.
struct Entry {
  EventState state = EventState::Happens;
  int hhmm = 0;
};
constexpr Entry At(int hhmm) {
  return {EventState::Happens, hhmm};
}
constexpr Entry kAbove{EventState::AlwaysAbove, 0};  // "****"
constexpr Entry kBelow{EventState::AlwaysBelow, 0};  // "----"
constexpr Entry kNone{EventState::NotThisDay, 0};    // blank

struct UsnoRow {
  const char* table;
  Target target;
  double latitude, longitude;
  int year, month, day;
  Entry rise, set;
};

// The USNO's tables, each row a date's rising and setting.
const UsnoRow kUsno[] = {
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 1, 1, At(902), At(1505)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 2, 14, At(742), At(1648)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 3, 20, At(603), At(1814)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 5, 20, At(312), At(2043)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 6, 21, At(236), At(2128)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 8, 1, At(340), At(2031)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 10, 31, At(719), At(1608)},
    {"Sun N60 000", Target::Sun, 60, 0, 2019, 12, 21, At(902), At(1454)},
    {"Sun S60 W150", Target::Sun, -60, -150, 2019, 1, 1, At(1243), At(724)},
    {"Sun S60 W150", Target::Sun, -60, -150, 2019, 3, 15, At(1548), At(431)},
    {"Sun S60 W150", Target::Sun, -60, -150, 2019, 6, 21, At(1906), At(58)},
    {"Sun S60 W150", Target::Sun, -60, -150, 2019, 9, 23, At(1545), At(359)},
    {"Sun S60 W150", Target::Sun, -60, -150, 2019, 12, 31, At(1241), At(724)},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 1, 1, At(812), At(1934)},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 1, 7, At(1327), kNone},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 3, 20, At(2324), At(1123)},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 6, 15, At(2257), At(907)},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 9, 14, kNone, At(1124)},
    {"Moon N29 W081", Target::Moon, 29, -81, 2019, 12, 25, At(1137), At(2214)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 1, 1, kBelow, kBelow},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 1, 11, At(1331), At(1932)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 1, 12, At(1215), At(2223)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 1, 13, At(1116), kNone},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 1, 16, kAbove, kAbove},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 2, 20, At(1439), At(1216)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 4, 4, At(649), At(1705)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 5, 14, At(1206), At(514)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 9, 1, At(648), At(1959)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 10, 11, At(1907), kNone},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 11, 21, At(2340), At(1643)},
    {"Moon N80 000", Target::Moon, 80, 0, 2019, 12, 5, At(1521), At(2342)},
};

// The aim: within a minute of the printed minute, two for the Moon and
// above 60 degrees of latitude.
double MinutesAllowed(const UsnoRow& row) {
  return row.target == Target::Moon || std::fabs(row.latitude) > 60 ? 2.0 : 1.0;
}

// An event against a table's entry: the same state, and for a time, the
// minutes between the event and the printed minute's middle less half a
// minute, so that an event rounding to the printed minute is 0 off.
void ExpectEntry(const SkyEvent& event, const Entry& entry, int year, int month, int day,
                 double allowed) {
  ASSERT_EQ(event.state, entry.state);
  if (entry.state != EventState::Happens) return;
  const UniversalTime printed = UtcInstant({year, month, day, entry.hhmm / 100, entry.hhmm % 100});
  const double minutes = (event.time - printed).count() * 1440.0;
  const double beyondRounding = std::fabs(minutes) <= 0.5 ? 0 : std::fabs(minutes) - 0.5;
  EXPECT_LE(beyondRounding, allowed) << minutes << " minutes off";
}

TEST(RiseTransitSet, AgreesWithTheNavalObservatory) {
  for (const UsnoRow& row : kUsno) {
    char what[64];
    std::snprintf(what, sizeof what, "%s %04d-%02d-%02d", row.table, row.year, row.month, row.day);
    SCOPED_TRACE(what);
    const UniversalTime day = UtcInstant({row.year, row.month, row.day});
    const RiseTransitSet events =
        RiseTransitSetOf(row.target, {row.latitude, row.longitude, 0}, {day, day + Days(1)});
    ExpectEntry(events.rise, row.rise, row.year, row.month, row.day, MinutesAllowed(row));
    ExpectEntry(events.set, row.set, row.year, row.month, row.day, MinutesAllowed(row));
  }
}

// Meeus example 15.a: Venus from Boston (42 20' N, 71 05' W) on 1988-03-20
// rises at 12:25, transits at 19:41 and sets at 02:55 UT.
TEST(RiseTransitSet, MeeusExample15a) {
  const UniversalTime day = UtcInstant({1988, 3, 20});
  const RiseTransitSet venus =
      RiseTransitSetOf(Target::Venus, {42 + 20 / 60.0, -(71 + 5 / 60.0), 0}, {day, day + Days(1)});
  ExpectEntry(venus.rise, At(1225), 1988, 3, 20, 1);
  ExpectEntry(venus.transit, At(1941), 1988, 3, 20, 1);
  ExpectEntry(venus.set, At(255), 1988, 3, 20, 1);
}

// Twilights for Orlando (28.538 N, 81.379 W) in the day from 08:00 UTC:
// astronomical, nautical and civil dawn, then civil, nautical and
// astronomical dusk (cosinekitty/astronomy, generate/riseset/twilight.txt).
// Its row for 2022-06-20 is left out: it puts civil dawn at 10:14 UTC, 14
// minutes before the sunrise found here at 10:28, where a June morning at
// 28 degrees has some 27 minutes of civil twilight.
TEST(Twilights, AgreeWithPublishedTimes) {
  const struct {
    int year, month, day;
    int dawn[3], dusk[3];  // astronomical, nautical, civil; civil, nautical, astronomical
  } table[] = {
      {2021, 11, 7, {1021, 1049, 1117}, {2300, 2328, 2356}},
      {2022, 1, 22, {1055, 1123, 1152}, {2321, 2350, 2418}},
      {2022, 3, 1, {1032, 1059, 1126}, {2349, 2416, 2443}},
      {2022, 4, 15, {938, 1007, 1035}, {2415, 2445, 2513}},
      {2022, 9, 1, {942, 1011, 1039}, {2410, 2438, 2507}},
  };
  const Site orlando{28.538, -81.379, 0};
  for (const auto& row : table) {
    char what[32];
    std::snprintf(what, sizeof what, "%04d-%02d-%02d", row.year, row.month, row.day);
    SCOPED_TRACE(what);
    const UniversalTime start = UtcInstant({row.year, row.month, row.day, 8, 0, 0});
    const TimeSpan day{start, start + Days(1)};
    const std::array<Twilight, 3> twilights = TwilightsOf(SkyTrack(Target::Sun, orlando, day), day);
    for (std::size_t depth = 0; depth < 3; ++depth) {
      // The table runs from the deepest dawn, and past midnight as hours above 24.
      const int dawn = row.dawn[2 - depth], dusk = row.dusk[depth];
      ExpectEntry(twilights[depth].dawn, At(dawn), row.year, row.month, row.day, 1);
      const UniversalTime duskDay = UtcInstant({row.year, row.month, row.day}) + Days(dusk / 2400);
      const CivilTime duskDate = UtcCivilTime(duskDay);
      ExpectEntry(twilights[depth].dusk, At(dusk % 2400), duskDate.year, duskDate.month,
                  duskDate.day, 1);
    }
  }
}

// The nights of the USNO's tables: at 60 N the short night of the June
// solstice runs from the setting of the 21st (21:28) to the rising of the
// 22nd (02:36), and the Sun, 6.6 degrees down at most, leaves no nautical
// darkness; at 80 N the same date has a midnight sun and the December
// solstice a polar night.
TEST(Night, KindsAndSpans) {
  const Site north60{60, 0, 0};
  const UniversalTime solstice = UtcInstant({2019, 6, 21});
  const TimeSpan day{solstice, solstice + Days(1)};
  for (const CivilTime& instant :
       {CivilTime{2019, 6, 21, 12, 0, 0}, CivilTime{2019, 6, 21, 23, 30, 0},
        CivilTime{2019, 6, 22, 1, 0, 0}}) {
    SCOPED_TRACE(DateTimeFieldText(instant));
    const SkyPlan plan = PlanSky(Target::Jupiter, north60, UtcInstant(instant), day);
    EXPECT_EQ(plan.night.kind, NightKind::Ordinary);
    ExpectEntry({EventState::Happens, plan.night.span.start, 0}, At(2128), 2019, 6, 21, 1);
    ExpectEntry({EventState::Happens, plan.night.span.end, 0}, At(236), 2019, 6, 22, 1);
    EXPECT_EQ(plan.night.dusk[0].state, EventState::Happens);
    EXPECT_EQ(plan.night.dawn[0].state, EventState::Happens);
    EXPECT_EQ(plan.night.dusk[1].state, EventState::AlwaysAbove);
    EXPECT_EQ(plan.night.dusk[2].state, EventState::AlwaysAbove);
  }
  const Site north80{80, 0, 0};
  const SkyPlan midnightSun = PlanSky(Target::Saturn, north80, solstice + Days(0.5), day);
  EXPECT_EQ(midnightSun.night.kind, NightKind::MidnightSun);
  EXPECT_EQ(midnightSun.night.best.state, BestTimeState::NeverDark);
  EXPECT_NEAR((midnightSun.night.span.end - midnightSun.night.span.start).count(), 1.0, 1e-9);
  const UniversalTime december = UtcInstant({2019, 12, 21});
  const SkyPlan polar =
      PlanSky(Target::Sun, north80, december + Days(0.5), {december, december + Days(1)});
  EXPECT_EQ(polar.night.kind, NightKind::PolarNight);
  EXPECT_EQ(polar.events.rise.state, EventState::AlwaysBelow);
  EXPECT_EQ(polar.events.set.state, EventState::AlwaysBelow);
  EXPECT_EQ(polar.night.dusk[0].state, EventState::AlwaysBelow);
  // The Sun's own best time is its transit, below the horizon that day.
  EXPECT_EQ(polar.night.best.state, BestTimeState::BelowHorizon);
  EXPECT_NEAR(polar.night.best.altitude, 90 - 80 - 23.44, 0.1);
}

// The best time is the highest the target stands while the Sun is at least
// 6 degrees down, and the best span the longest stretch above the minimum;
// checked against the night's own curve, sampled every minute.
TEST(Night, BestTimeAndSpanHoldOverTheCurve) {
  const Site turin{45.07, 7.69, 240};
  const UniversalTime instant = UtcInstant({2026, 12, 7, 20, 0, 0});
  const UniversalTime midnight = UtcInstant({2026, 12, 6, 23, 0, 0});
  for (const Target target : {Target::Jupiter, Target::Saturn, Target::Moon, Target::Mars}) {
    SCOPED_TRACE(std::string(RecordOf(target).englishName));
    const SkyPlan plan = PlanSky(target, turin, instant, {midnight, midnight + Days(1)}, 20, 97);
    const Night& night = plan.night;
    ASSERT_EQ(night.kind, NightKind::Ordinary);
    ASSERT_EQ(plan.curve.size(), 97u);
    EXPECT_EQ(plan.curve.front().time, night.span.start);
    EXPECT_EQ(plan.curve.back().time, night.span.end);
    EXPECT_NEAR(plan.curve.front().sunAltitude, -0.83, 0.02);  // the Sun's limb on the horizon
    const std::size_t minutes =
        static_cast<std::size_t>((night.span.end - night.span.start).count() * 1440);
    const std::vector<CurvePoint> everyMinute =
        NightCurve(SkyTrack(target, turin, night.span), SkyTrack(Target::Sun, turin, night.span),
                   night.span, minutes + 1);
    double darkest = -90;
    for (const CurvePoint& point : everyMinute) {
      if (point.sunAltitude <= kDarkSunAltitude) darkest = std::max(darkest, point.altitude);
      const bool inSpan = night.bestSpan && point.time >= night.bestSpan->start &&
                          point.time <= night.bestSpan->end;
      if (inSpan) {
        EXPECT_GE(point.altitude, 20 - 0.01);
      }
    }
    if (darkest >= 0) {
      EXPECT_EQ(night.best.state, BestTimeState::Found);
      EXPECT_GE(night.best.altitude, darkest - 1e-6);
      EXPECT_LE(night.best.altitude, darkest + 0.05);
    }
  }
}

// The Sun's own day about its transit runs from the USNO's rising to its
// setting where both happen that date; at 80 N the June solstice is a
// midnight sun and the December one a polar night, 24 hours each.
TEST(SunsDay, RunsFromTheRisingToTheSetting) {
  for (const UsnoRow& row : kUsno) {
    if (row.target != Target::Sun || row.rise.state != EventState::Happens ||
        row.set.hhmm < row.rise.hhmm)
      continue;
    char what[64];
    std::snprintf(what, sizeof what, "%s %04d-%02d-%02d", row.table, row.year, row.month, row.day);
    SCOPED_TRACE(what);
    const Site site{row.latitude, row.longitude, 0};
    const UniversalTime date = UtcInstant({row.year, row.month, row.day});
    const SkyEvent transit = RiseTransitSetOf(Target::Sun, site, {date, date + Days(1)}).transit;
    const SunsDay day = SunsDayOf(site, transit.time, 97);
    EXPECT_EQ(day.kind, NightKind::Ordinary);
    ExpectEntry({EventState::Happens, day.span.start, 0}, row.rise, row.year, row.month, row.day,
                1);
    ExpectEntry({EventState::Happens, day.span.end, 0}, row.set, row.year, row.month, row.day, 1);
    ASSERT_EQ(day.curve.size(), 97u);
    EXPECT_EQ(day.curve.front().time, day.span.start);
    EXPECT_EQ(day.curve.back().time, day.span.end);
    // The Sun's limb on the horizon at both ends; its highest at the transit.
    EXPECT_NEAR(day.curve.front().sunAltitude, -0.83, 0.02);
    EXPECT_NEAR(day.curve.back().sunAltitude, -0.83, 0.02);
    EXPECT_NEAR(day.curve[48].altitude, transit.altitude, 0.05);
  }
  const Site north80{80, 0, 0};
  const struct {
    int month;
    NightKind kind;
    double noonAltitude;  // 90 - 80 +- 23.44, refracted a little
  } solstices[] = {{6, NightKind::MidnightSun, 33.44}, {12, NightKind::PolarNight, -13.44}};
  for (const auto& solstice : solstices) {
    SCOPED_TRACE(solstice.month);
    const UniversalTime noon = UtcInstant({2019, solstice.month, 21, 12, 0, 0});
    const SunsDay day = SunsDayOf(north80, noon, 25);
    EXPECT_EQ(day.kind, solstice.kind);
    EXPECT_EQ(day.span.start, noon - Days(0.5));
    EXPECT_EQ(day.span.end, noon + Days(0.5));
    EXPECT_NEAR(day.curve[12].sunAltitude, solstice.noonAltitude, 0.1);
  }
}

}  // namespace
}  // namespace celforo
