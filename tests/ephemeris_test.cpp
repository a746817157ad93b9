// Apparent sizes against published positions and distances, 1828 to 2050:
// JPL Horizons output, the check values of VSOP87, VSOP2013 and ELP 2000-82B
// and J. Meeus's worked examples. Each published distance gives the reference
// diameter 2 atan(R / distance) with the radius the program uses, so a
// diameter within a share of its reference is a distance within the same
// share.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/targets.h"

namespace celforo {
namespace {

UniversalTime Day(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return UtcInstant({year, month, day, hour, minute, second});
}

// An instant given in dynamical time (VSOP, ELP, Meeus), as the UT it is.
UniversalTime Dynamical(double julianDay) {
  return ToUniversal(TerrestrialTime(julianDay));
}

// The share within which a body's diameter must agree: the elements' own
// accuracy for the planets, the lunar series' for the Moon.
double Tolerance(Target target) {
  switch (target) {
    case Target::Sun: return 0.0005;
    case Target::Moon: return 0.001;
    default: return 0.0025;
  }
}

struct Published {
  const char* what;
  Target target;
  UniversalTime instant;
  double distance;  // km
};

double Au(double au) {
  return au * kKilometresPerAu;
}

// A heliocentric distance from rectangular coordinates, or a geocentric one
// from the planet's and the Earth's.
double Between(const double (&planet)[3], const double (&earth)[3]) {
  return Au(std::hypot(planet[0] - earth[0], planet[1] - earth[1], planet[2] - earth[2]));
}

// VSOP87A check values (P. Bretagnon and G. Francou, 1988, the file
// vsop87.chk): heliocentric rectangular coordinates, ecliptic and equinox of
// J2000, in au, at JD 2415020.0 (1899-12-31 12:00 TDB) and JD 2451545.0
// (2000-01-01 12:00 TDB). Copied from the tests of a JavaScript VSOP87A
// package; Mercury's agree with phpsciencelabs.com's "VSOP87 Check Values".
constexpr double kOrigin[3] = {0, 0, 0};
constexpr double kEarth1900[3] = {-0.1883079649, 0.9650688844, 0.0002150325};
constexpr double kEarth2000[3] = {-0.1771354586, 0.9672416237, -0.0000039};
constexpr double kMercury1900[3] = {-0.3897246931, -0.1502242199, 0.0236199373};
constexpr double kMercury2000[3] = {-0.1300934115, -0.4472876716, -0.0245983802};
constexpr double kVenus1900[3] = {0.6971428331, -0.2033631151, -0.0430201136};
constexpr double kVenus2000[3] = {-0.7183022797, -0.0326546017, 0.0410142975};
constexpr double kMars1900[3] = {0.4284332474, -1.355235425, -0.0389650205};
constexpr double kMars2000[3] = {1.3907159264, -0.0134157043, -0.0344677967};
constexpr double kJupiter1900[3] = {-3.019122435, -4.4582563705, 0.08586419};
constexpr double kJupiter2000[3] = {4.0011740268, 2.9385810077, -0.1017837501};
constexpr double kSaturn1900[3] = {-0.369597375, -10.0582398188, 0.1916854382};
constexpr double kSaturn2000[3] = {6.4064068573, 6.5699929449, -0.3690768029};
constexpr double kUranus1900[3] = {-6.4810833337, -17.8526893406, 0.0177935238};
constexpr double kUranus2000[3] = {14.4318934159, -13.7343162527, -0.2381421963};
constexpr double kNeptune1900[3] = {1.5164557467, 29.8254538901, -0.6491400216};
constexpr double kNeptune2000[3] = {16.8121116576, -24.9916630908, 0.1272190171};
constexpr double k1900 = 2415020.0, k2000 = 2451545.0;

// VSOP2013 check values (J.-L. Simon, G. Francou, A. Fienga and H. Manche,
// 2013, the file VSOP2013.ctl): heliocentric rectangular coordinates,
// dynamical ecliptic and equinox of J2000, in au, at JD 2411545.0 (1890-06-26
// 12:00 TDB); VSOP2013's third body is the Earth-Moon barycentre. Read from
// github.com/kingsznhone/VSOP2013.NET, DataConverter/Resources/VSOP2013.ctl.
constexpr double kEarth1890[3] = {0.1117529336, -1.0104931629, -0.0002498901};
constexpr double kMercury1890[3] = {0.3493879042, -0.1615770401, -0.0453430160};
constexpr double kVenus1890[3] = {-0.7178452078, 0.0333612116, 0.0419440586};
constexpr double kMars1890[3] = {-0.1474458094, -1.4589014057, -0.0268451993};
constexpr double kJupiter1890[3] = {2.9837893541, -4.1334108921, -0.0501531373};
constexpr double kSaturn1890[3] = {-8.5151107303, 3.6958970183, 0.2724266220};
constexpr double kUranus1890[3] = {-16.4159077405, -8.4156336905, 0.1821646518};
constexpr double kNeptune1890[3] = {12.1323737542, 27.2358156923, -0.8402970634};
constexpr double k1890 = 2411545.0;

// Sources of the other rows:
// [H] JPL Horizons, geocentric observer tables, column "delta" (light-time
//     corrected range, au), DE431 and satellite ephemerides, saved 2019-04-28
//     in github.com/cosinekitty/astronomy, generate/magnitude/<Body>.txt.
// [HJ] JPL Horizons (DE405/JUP230), saved 2008-04-26 in
//     github.com/brandon-rhodes/pyephem, src/ephem/tests/jpl/jupiter.txt.
// [P] Earth's perihelia and aphelia 2001-2100, Sun-Earth distance in au,
//     github.com/cosinekitty/astronomy, generate/apsides/earth.txt.
// [N] J. Tanner's Horizons-based perihelion and aphelion pages,
//     neoprogrammics.com (earth_perihelion_aphelion_calculator, 2018 to 2024).
// [M] J. Meeus, "Astronomical Algorithms", 2nd ed. (1998), worked examples.
// [W] Mars's closest approaches, Wikipedia "Mars" (after JPL/Meeus): 2003
//     at 09:51:13 UT, 55,758,006 km geometric; 1924-08-22, 0.37285 au.
// [E] The Moon's geocentric rectangular coordinates from the complete ELP
//     2000-82B series (M. Chapront-Touze and J. Chapront, 1988; CDS catalogue
//     VI/79, the notice's Table H), km, mean ecliptic and equinox of J2000, at
//     0h TDB; copied from github.com/fmassei/libamspace, utils/elp82/main.c.
// [J] JPL Horizons (DE440), geometric geocentric vectors at 1850-01-01 00:00
//     UT, saved as the validation fixtures of the @jauza/jpl-de package.
// The instants in dynamical time are taken as TT and turned to UT.
const Published kPublished[] = {
    // The Sun.
    {"[J] 1850-01-01 00:00 UT", Target::Sun, Day(1850, 1, 1), 147089406.472},
    {"VSOP2013 1890-06-26", Target::Sun, Dynamical(k1890), Between(kEarth1890, kOrigin)},
    {"VSOP87 1899-12-31", Target::Sun, Dynamical(k1900), Between(kEarth1900, kOrigin)},
    {"VSOP87 2000-01-01", Target::Sun, Dynamical(k2000), Between(kEarth2000, kOrigin)},
    {"[P] perihelion 2001-01-04 08:52", Target::Sun, Day(2001, 1, 4, 8, 52), Au(0.9832860)},
    {"[N] aphelion 2018-07-06 16:46:42", Target::Sun, Day(2018, 7, 6, 16, 46, 42), Au(1.016696057)},
    {"[N] perihelion 2021-01-02 13:50:31", Target::Sun, Day(2021, 1, 2, 13, 50, 31),
     Au(0.983257060)},
    {"[N] aphelion 2022-07-04 07:10:42", Target::Sun, Day(2022, 7, 4, 7, 10, 42), Au(1.016715374)},
    {"[N] perihelion 2024-01-03 00:38:40", Target::Sun, Day(2024, 1, 3, 0, 38, 40),
     Au(0.9833069487198)},
    {"[P] aphelion 2035-07-05 18:22", Target::Sun, Day(2035, 7, 5, 18, 22), Au(1.0167406)},
    {"[P] perihelion 2050-01-04 19:35", Target::Sun, Day(2050, 1, 4, 19, 35), Au(0.9833060)},
    {"[P] aphelion 2050-07-06 01:57", Target::Sun, Day(2050, 7, 6, 1, 57), Au(1.0166285)},
    // The Moon.
    {"[E] 1828-10-05 0h TDB", Target::Moon, Dynamical(2389000.5),
     std::hypot(-346331.77361, 206365.40364, -28502.11732)},
    {"[J] 1850-01-01 00:00 UT", Target::Moon, Day(1850, 1, 1), 361833.34},
    {"[E] 1883-07-09 0h TDB", Target::Moon, Dynamical(2409000.5),
     std::hypot(-373896.15893, 127406.79129, -30037.79225)},
    {"[M] example 47.a, 1992-04-12 0h TD", Target::Moon, Dynamical(2448724.5), 368409.7},
    // Example 50.a: apogee at JDE 2447442.3543 with parallax 3240.679", the
    // distance 6378.14 km / sin(parallax).
    {"[M] example 50.a, apogee 1988-10-07", Target::Moon, Dynamical(2447442.3543),
     6378.14 / std::sin(3240.679 / kArcsecondsPerRadian)},
    {"[H] 2010-01-01", Target::Moon, Day(2010, 1, 1), Au(0.00240220510392)},
    {"[H] 2010-01-17", Target::Moon, Day(2010, 1, 17), Au(0.00271692408680)},
    {"[H] 2010-04-09", Target::Moon, Day(2010, 4, 9), Au(0.00270698613453)},
    {"[H] 2010-07-26", Target::Moon, Day(2010, 7, 26), Au(0.00269163524092)},
    {"[H] 2010-09-08", Target::Moon, Day(2010, 9, 8), Au(0.00238782091158)},
    // Mercury.
    {"VSOP2013 1890-06-26", Target::Mercury, Dynamical(k1890), Between(kMercury1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Mercury, Dynamical(k1900), Between(kMercury1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Mercury, Dynamical(k2000), Between(kMercury2000, kEarth2000)},
    {"[H] 2010-01-05, inferior conjunction", Target::Mercury, Day(2010, 1, 5),
     Au(0.67197539088050)},
    {"[H] 2010-03-08, superior conjunction", Target::Mercury, Day(2010, 3, 8),
     Au(1.37231852223883)},
    {"[H] 2010-05-01", Target::Mercury, Day(2010, 5, 1), Au(0.56155067532406)},
    {"[H] 2010-09-20", Target::Mercury, Day(2010, 9, 20), Au(0.95311193942450)},
    // Venus.
    {"VSOP2013 1890-06-26", Target::Venus, Dynamical(k1890), Between(kVenus1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Venus, Dynamical(k1900), Between(kVenus1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Venus, Dynamical(k2000), Between(kVenus2000, kEarth2000)},
    {"[H] 2010-01-13, superior conjunction", Target::Venus, Day(2010, 1, 13), Au(1.71128441753598)},
    {"[H] 2010-06-10", Target::Venus, Day(2010, 6, 10), Au(1.22681349585370)},
    {"[H] 2010-09-20", Target::Venus, Day(2010, 9, 20), Au(0.44809966058075)},
    // Mars.
    {"VSOP2013 1890-06-26", Target::Mars, Dynamical(k1890), Between(kMars1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Mars, Dynamical(k1900), Between(kMars1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Mars, Dynamical(k2000), Between(kMars2000, kEarth2000)},
    {"[W] closest approach 1924-08-22", Target::Mars, Day(1924, 8, 22, 12), Au(0.37285)},
    {"[W] closest approach 2003-08-27 09:51:13", Target::Mars, Day(2003, 8, 27, 9, 51, 13),
     55758006},
    {"[H] 2010-01-27, opposition", Target::Mars, Day(2010, 1, 27), Au(0.66404531536426)},
    {"[H] 2010-09-22", Target::Mars, Day(2010, 9, 22), Au(2.22926634704304)},
    // Jupiter.
    {"VSOP2013 1890-06-26", Target::Jupiter, Dynamical(k1890), Between(kJupiter1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Jupiter, Dynamical(k1900), Between(kJupiter1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Jupiter, Dynamical(k2000), Between(kJupiter2000, kEarth2000)},
    {"[HJ] 2008-04-26", Target::Jupiter, Day(2008, 4, 26), Au(4.86846766318949)},
    {"[HJ] 2008-05-26", Target::Jupiter, Day(2008, 5, 26), Au(4.44810725829017)},
    // Saturn.
    {"VSOP2013 1890-06-26", Target::Saturn, Dynamical(k1890), Between(kSaturn1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Saturn, Dynamical(k1900), Between(kSaturn1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Saturn, Dynamical(k2000), Between(kSaturn2000, kEarth2000)},
    {"[H] 2010-03-22, opposition", Target::Saturn, Day(2010, 3, 22), Au(8.50380411718196)},
    {"[H] 2010-08-01", Target::Saturn, Day(2010, 8, 1), Au(10.1266373563018)},
    // Uranus.
    {"VSOP2013 1890-06-26", Target::Uranus, Dynamical(k1890), Between(kUranus1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Uranus, Dynamical(k1900), Between(kUranus1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Uranus, Dynamical(k2000), Between(kUranus2000, kEarth2000)},
    {"[H] 2010-03-18, conjunction", Target::Uranus, Day(2010, 3, 18), Au(21.0908706922235)},
    {"[H] 2010-09-20, opposition", Target::Uranus, Day(2010, 9, 20), Au(19.0882755777358)},
    // Neptune.
    {"VSOP2013 1890-06-26", Target::Neptune, Dynamical(k1890), Between(kNeptune1890, kEarth1890)},
    {"VSOP87 1899-12-31", Target::Neptune, Dynamical(k1900), Between(kNeptune1900, kEarth1900)},
    {"VSOP87 2000-01-01", Target::Neptune, Dynamical(k2000), Between(kNeptune2000, kEarth2000)},
    {"[H] 2010-02-16, conjunction", Target::Neptune, Day(2010, 2, 16), Au(31.0109178551952)},
    {"[H] 2010-08-19, opposition", Target::Neptune, Day(2010, 8, 19), Au(29.0061493790726)},
};

TEST(ApparentSize, DiametersAgreeWithPublishedDistances) {
  for (const Published& row : kPublished) {
    const TargetRecord& record = RecordOf(row.target);
    SCOPED_TRACE(std::string(record.englishName) + ": " + row.what);
    const std::optional<TargetSize> size = ApparentSize(row.target, row.instant);
    ASSERT_TRUE(size);
    const double expected = 2.0 * std::atan(record.radius / row.distance) * kArcsecondsPerRadian;
    EXPECT_NEAR(size->diameter / expected, 1.0, Tolerance(row.target));
    EXPECT_NEAR(size->distance / row.distance, 1.0, Tolerance(row.target));
  }
}

// The exact angle, not the small-angle R / distance: at the Moon's distance
// the two differ by 2.7e-6 of the diameter, at the Sun's by 7e-6.
TEST(ApparentSize, DiameterIsTheExactAngleOfTheDistance) {
  for (const TargetRecord& record : kTargets) {
    SCOPED_TRACE(std::string(record.englishName));
    const std::optional<TargetSize> size = ApparentSize(record.target, Day(2026, 12, 7, 21, 30));
    ASSERT_TRUE(size);
    EXPECT_DOUBLE_EQ(size->diameter,
                     2.0 * std::atan(record.radius / size->distance) * kArcsecondsPerRadian);
    if (record.ringsRadius > 0) {
      EXPECT_DOUBLE_EQ(size->ringsDiameter,
                       2.0 * std::atan(record.ringsRadius / size->distance) * kArcsecondsPerRadian);
      EXPECT_NE(size->ringTilt, 0.0);
    } else {
      EXPECT_EQ(size->ringsDiameter, 0.0);
      EXPECT_EQ(size->ringTilt, 0.0);
    }
  }
}

// Meeus, example 45.a: 1992-12-16 0h TD (JDE 2448972.50068), B = +16.442
// degrees. And the Earth's passages through the plane of the rings, where B
// changes sign: 2009-09-04, from the southern face to the northern
// (mydarksky.org, "Saturn's Ring Plane Crossing", 2009-09-04), and 2025-03-23
// 16:04 UT, back to the southern (In-the-Sky.org, as reported by Space.com);
// the sign a fortnight either side.
TEST(ApparentSize, SaturnRingTilt) {
  const std::optional<TargetSize> example = ApparentSize(Target::Saturn, Dynamical(2448972.50068));
  ASSERT_TRUE(example);
  EXPECT_NEAR(example->ringTilt, 16.442, 0.05);
  EXPECT_LT(ApparentSize(Target::Saturn, Day(2009, 8, 20))->ringTilt, 0.0);
  EXPECT_GT(ApparentSize(Target::Saturn, Day(2009, 9, 20))->ringTilt, 0.0);
  EXPECT_GT(ApparentSize(Target::Saturn, Day(2025, 3, 8))->ringTilt, 0.0);
  EXPECT_LT(ApparentSize(Target::Saturn, Day(2025, 4, 8))->ringTilt, 0.0);
}

TEST(ApparentSize, OnlyWithinTheEphemeridesRange) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr std::chrono::seconds kSecond(1);
  const struct {
    const char* what;
    UniversalTime instant;
    bool computed;
  } cases[] = {
      {"1800-01-01 00:00", Day(1800, 1, 1), true},
      {"a second before", Day(1800, 1, 1) - kSecond, false},
      {"2050-12-31 23:59:59", Day(2050, 12, 31, 23, 59, 59), true},
      {"2051-01-01 00:00", Day(2051, 1, 1), false},
      {"year 3000", Day(3000, 1, 1), false},
      {"NaN", UniversalTime(kNaN), false},
      {"infinity", UniversalTime(std::numeric_limits<double>::infinity()), false},
      {"minus infinity", UniversalTime(-std::numeric_limits<double>::infinity()), false},
  };
  for (const auto& c : cases) {
    for (const TargetRecord& record : kTargets) {
      SCOPED_TRACE(std::string(c.what) + ", " + std::string(record.englishName));
      const std::optional<TargetSize> size = ApparentSize(record.target, c.instant);
      EXPECT_EQ(size.has_value(), c.computed);
      if (size) {
        EXPECT_TRUE(std::isfinite(size->diameter) && size->diameter > 0);
      }
    }
  }
}

}  // namespace
}  // namespace celforo
