// The positions everything else is computed from, against published values:
// delta T against its observed values, and J. Meeus's worked examples
// ("Astronomical Algorithms", 2nd ed., 1998) for sidereal time, precession,
// nutation, the Sun, the Moon and Venus.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/apparent_place.h"
#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/lunar_position.h"
#include "calc/precession_nutation.h"
#include "calc/sidereal_time.h"
#include "calc/solar_system.h"
#include "calc/time_scale.h"

namespace celforo {
namespace {

double Degrees(double hours, double minutes, double seconds) {
  return 15.0 * (hours + minutes / 60.0 + seconds / 3600.0);
}

double Arc(double degrees, double minutes, double seconds) {
  const double size = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
  return degrees < 0 ? -size : size;
}

// Two angles' difference in arcseconds, across 0/360.
double ArcsecondsApart(double a, double b) {
  return std::remainder(a - b, 360.0) * 3600.0;
}

// Observed delta T at the start of each year: McCarthy and Babcock (1986) as
// USNO publishes it ("Historic Delta T and LOD"), and for 2000 the IERS's
// 63.83 s (USNO, "Delta T determinations"). Espenak and Meeus's
// polynomials follow them within a second.
TEST(DeltaT, FollowsTheObservedValues) {
  const struct {
    int year;
    double seconds;
  } observed[] = {{1820, 11.13}, {1880, -5.36}, {1900, -2.70}, {1920, 21.41},
                  {1950, 29.15}, {1970, 40.18}, {1984, 53.79}, {2000, 63.83}};
  for (const auto& row : observed) {
    SCOPED_TRACE(row.year);
    EXPECT_NEAR(DeltaT(UtcInstant({row.year, 1, 1})), row.seconds, 1.0);
  }
  // TT runs ahead of UT by delta T, and back again.
  const UniversalTime noon = UtcInstant({2000, 1, 1, 12, 0, 0});
  const TerrestrialTime tt = ToTerrestrial(noon);
  EXPECT_NEAR((tt.julianDay() - noon.julianDay()) * 86400.0, DeltaT(noon), 1e-4);
  EXPECT_NEAR(ToUniversal(tt).julianDay(), noon.julianDay(), 1e-9);
  EXPECT_NEAR(JulianCenturies(TerrestrialTime(2448724.5)), -0.077221081451, 1e-12);
}

// Examples 12.a and 12.b.
TEST(SiderealTime, MeeusExamples12) {
  const UniversalTime midnight = UtcInstant({1987, 4, 10});
  EXPECT_NEAR(ArcsecondsApart(MeanSiderealTime(midnight), Degrees(13, 10, 46.3668)), 0, 0.01);
  EXPECT_NEAR(ArcsecondsApart(ApparentSiderealTime(midnight), Degrees(13, 10, 46.1351)), 0, 0.5);
  EXPECT_NEAR(MeanSiderealTime(UtcInstant({1987, 4, 10, 19, 21, 0})), 128.7378734, 1e-6);
}

// Example 22.a, 1987-04-10 00:00 TT: the main terms within the 0.5" and 0.1"
// Meeus gives them.
TEST(Nutation, MeeusExample22a) {
  const TerrestrialTime instant(2446895.5);
  const Nutation nutation = NutationOf(instant);
  EXPECT_NEAR(nutation.longitude, -3.788, 0.5);
  EXPECT_NEAR(nutation.obliquity, 9.443, 0.1);
  EXPECT_NEAR(MeanObliquity(instant), Arc(23, 26, 27.407), 0.001 / 3600.0);
}

// Example 21.b: theta Persei, its J2000 place moved by its proper motion
// (+0.03425 s and -0.0895" a year) to 2028-11-13.19 TT, then precessed.
TEST(Precession, MeeusExample21b) {
  const TerrestrialTime instant(2462088.69);
  const double years = (instant.julianDay() - kJ2000) / 365.25;
  const double rightAscension = Degrees(2, 44, 11.986) + years * 0.03425 * 15.0 / 3600.0;
  const double declination = Arc(49, 13, 42.48) - years * 0.0895 / 3600.0;
  const Vector3 atJ2000 =
      FromSpherical(rightAscension * kRadiansPerDegree, declination * kRadiansPerDegree);
  const Equatorial ofDate = EquatorialOf(PrecessionFromJ2000(instant) * atJ2000);
  EXPECT_NEAR(ArcsecondsApart(ofDate.rightAscension, 41.547214), 0, 0.05);
  EXPECT_NEAR(ArcsecondsApart(ofDate.declination, 49.348483), 0, 0.05);
}

// Examples 47.a (the Moon, to the series' printed digits), 33.a (Venus) and
// 25.b's full-VSOP87 result (the Sun, 13h13m30.749s, -7 47' 01.74"); the
// planets' elements are good to some arcseconds.
TEST(ApparentPlace, MeeusExamples) {
  const TerrestrialTime moonInstant(2448724.5);
  const LunarPosition moon = MoonPosition(moonInstant);
  EXPECT_NEAR(moon.longitude, 133.162655, 1e-6);
  EXPECT_NEAR(moon.latitude, -3.229126, 1e-6);
  EXPECT_NEAR(moon.distance, 368409.7, 0.05);

  const struct {
    const char* what;
    Target target;
    TerrestrialTime instant;
    double rightAscension, declination;  // degrees
    double distance;                     // km
    double arcseconds;                   // tolerance
  } examples[] = {
      {"47.a", Target::Moon, moonInstant, 134.688470, 13.768368, 368409.7, 0.5},
      {"33.a", Target::Venus, TerrestrialTime(2448976.5), Degrees(21, 4, 41.454),
       Arc(-18, 53, 16.84), 0.910947 * kKilometresPerAu, 5.0},
      {"25.b", Target::Sun, TerrestrialTime(2448908.5), Degrees(13, 13, 30.749), Arc(-7, 47, 1.74),
       0.99760775 * kKilometresPerAu, 5.0},
  };
  for (const auto& e : examples) {
    SCOPED_TRACE(e.what);
    const Equatorial place = ApparentPlace(e.target, e.instant);
    EXPECT_NEAR(ArcsecondsApart(place.rightAscension, e.rightAscension) *
                    std::cos(e.declination * kRadiansPerDegree),
                0, e.arcseconds);
    EXPECT_NEAR(ArcsecondsApart(place.declination, e.declination), 0, e.arcseconds);
    EXPECT_NEAR(place.distance / e.distance, 1.0, 2e-5);
  }
  const GeocentricPlace venus = GeocentricPlaceOf(Target::Venus, TerrestrialTime(2448976.5));
  EXPECT_NEAR(venus.lightTime, 0.0052612, 2e-7);
}

// The Earth's centre, the barycentre less the Moon's share, against VSOP87's
// Earth at J2000.0 (the check values of Bretagnon and Francou, 1988).
TEST(EarthPosition, AgreesWithVsop87) {
  const Vector3 earth = EarthPosition(TerrestrialTime(kJ2000));
  const Vector3 vsop87{-0.1771354586, 0.9672416237, -0.0000039};
  EXPECT_LT(Length(earth - vsop87) * kArcsecondsPerRadian, 8.0);  // arcseconds at 1 au
}

}  // namespace
}  // namespace celforo
