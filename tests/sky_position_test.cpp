// Where a target stands from a site, against published values: the site's
// reading, Meeus's worked examples for the Earth's figure, parallax and the
// horizon, and JPL Horizons' apparent (refracted) azimuths and altitudes of
// the Sun, the Moon and the planets from sites north and south; and what the
// air does: pressure, refraction, air mass, dispersion.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calc/apparent_place.h"
#include "calc/astronomical_constants.h"
#include "calc/atmosphere.h"
#include "calc/band.h"
#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/sidereal_time.h"
#include "calc/site.h"
#include "calc/sky_position.h"
#include "calc/sky_track.h"

namespace celforo {
namespace {

double Hours(double h, double m, double s) {
  return 15.0 * (h + m / 60.0 + s / 3600.0);
}

double Arc(double degrees, double minutes, double seconds) {
  const double size = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
  return degrees < 0 ? -size : size;
}

TEST(ReadSite, ReadsTwoOrThreePartsAndNamesTheFaultyOne) {
  const struct {
    const char* text;
    SiteFault fault;
    SitePart part;
    NumberFault number;
    Site site;
  } cases[] = {
      {"45.07,7.69,240", SiteFault::None, {}, {}, {45.07, 7.69, 240}},
      {" -33.87 , 151.21 ", SiteFault::None, {}, {}, {-33.87, 151.21, 0}},
      {"90,-180,-500", SiteFault::None, {}, {}, {90, -180, -500}},
      {"-90,180,9000", SiteFault::None, {}, {}, {-90, 180, 9000}},
      {"", SiteFault::Number, SitePart::Latitude, NumberFault::Empty, {}},
      {"45.07", SiteFault::PartCount, {}, {}, {}},
      {"45,07,7,69", SiteFault::PartCount, {}, {}, {}},
      {"45.07,7.69,240,", SiteFault::PartCount, {}, {}, {}},
      {",7.69", SiteFault::Number, SitePart::Latitude, NumberFault::Empty, {}},
      {"45.07,,240", SiteFault::Number, SitePart::Longitude, NumberFault::Empty, {}},
      {"45.07,7.69,", SiteFault::Number, SitePart::Height, NumberFault::Empty, {}},
      {"95,7.69", SiteFault::Number, SitePart::Latitude, NumberFault::OutOfRange, {}},
      {"45.07,180.5", SiteFault::Number, SitePart::Longitude, NumberFault::OutOfRange, {}},
      {"45.07,7.69,9001", SiteFault::Number, SitePart::Height, NumberFault::OutOfRange, {}},
      {"45.07,7.69,-501", SiteFault::Number, SitePart::Height, NumberFault::OutOfRange, {}},
      {"45N,7.69", SiteFault::Number, SitePart::Latitude, NumberFault::Malformed, {}},
      {"45.07,7.69,1e999", SiteFault::Number, SitePart::Height, NumberFault::NotFinite, {}},
      {"45.07;7.69", SiteFault::PartCount, {}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const SiteReading reading = ReadSite(c.text);
    EXPECT_EQ(reading.fault, c.fault);
    if (c.fault == SiteFault::Number) {
      EXPECT_EQ(reading.part, c.part);
      EXPECT_EQ(reading.number, c.number);
    }
    if (c.fault == SiteFault::None) {
      EXPECT_EQ(reading.site.latitude, c.site.latitude);
      EXPECT_EQ(reading.site.longitude, c.site.longitude);
      EXPECT_EQ(reading.site.height, c.site.height);
    }
  }
}

// Meeus example 11.a: Palomar, 33 21' 22" N at 1706 m, and example 40.a:
// Mars from there on 2003-08-28 at 03:17 UT, geocentric 339.530208,
// -15.771083 at 0.37276 au, topocentric 22h38m08.54s, -15 46' 30.0".
TEST(SkyPosition, MeeusParallaxExamples) {
  const Site palomar{Arc(33, 21, 22), -Hours(7, 47, 27), 1706};
  const Vector3 axis = SiteVector(palomar, 0);
  EXPECT_NEAR(axis.z / kEarthEquatorialRadiusKm, 0.546861, 1e-6);
  EXPECT_NEAR(axis.x / kEarthEquatorialRadiusKm, 0.836339, 1e-6);

  const UniversalTime instant = UtcInstant({2003, 8, 28, 3, 17, 0});
  const Vector3 mars = FromSpherical(339.530208 * kRadiansPerDegree, -15.771083 * kRadiansPerDegree,
                                     0.37276 * kKilometresPerAu);
  const double localSidereal = ApparentSiderealTime(instant) + palomar.longitude;
  const Equatorial seen = EquatorialOf(mars - SiteVector(palomar, localSidereal));
  EXPECT_NEAR((seen.rightAscension - Hours(22, 38, 8.54)) * 3600.0, 0, 0.3);
  EXPECT_NEAR((seen.declination - Arc(-15, 46, 30.0)) * 3600.0, 0, 0.2);
}

// Meeus example 13.b: Venus at Washington (38 55' 17" N) at hour angle
// 64.352133, declination -6 43' 11.61": altitude 15.1249, azimuth 68.0337
// from the south, 248.0337 from the north.
TEST(SkyPosition, MeeusHorizonExample) {
  const Horizontal venus = HorizontalOf(64.352133, Arc(-6, 43, 11.61), Arc(38, 55, 17));
  EXPECT_NEAR(venus.altitude, 15.1249, 0.00005);
  EXPECT_NEAR(venus.azimuth, 248.0337, 0.00005);
  // The parallactic angle is 0 on the meridian south of the zenith and
  // 180 north of it; an equatorial body on the horizon leans by the
  // colatitude.
  EXPECT_NEAR(ParallacticAngle(0, 10, 45), 0, 1e-12);
  EXPECT_NEAR(std::fabs(ParallacticAngle(0, 60, 45)), 180, 1e-12);
  EXPECT_NEAR(ParallacticAngle(90, 0, 45), 45, 1e-9);
  EXPECT_NEAR(ParallacticAngle(-90, 0, 45), -45, 1e-9);
}

// JPL Horizons (DE431), apparent azimuth and elevation with its refraction
// model, observer tables at 00:00 UT, saved 2019-04-12 in
// github.com/cosinekitty/astronomy, generate/horizons/<Body>.txt: from
// 29.0 N, 81.0 W, 10 m, and for the Moon also from 30.0 S, 150.0 E.
struct HorizonsRow {
  Target target;
  double latitude, longitude;
  CivilTime utc;
  double azimuth, altitude;
};

const HorizonsRow kHorizons[] = {
    {Target::Sun, 29, -81, {2027, 7, 4}, 293.7793, 4.6327},
    {Target::Sun, 29, -81, {2028, 6, 28}, 294.2002, 4.6034},
    {Target::Sun, 29, -81, {2029, 5, 24}, 292.8046, 2.1740},
    {Target::Moon, 29, -81, {2025, 1, 5}, 228.7929, 42.1504},
    {Target::Moon, 29, -81, {2025, 3, 6}, 265.4379, 72.6994},
    {Target::Moon, 29, -81, {2026, 7, 19}, 238.2032, 41.2126},
    {Target::Moon, 29, -81, {2029, 6, 23}, 141.2706, 28.0171},
    {Target::Moon, -30, 150, {2018, 12, 2, 0, 0}, 308.6575, 43.4962},
    {Target::Moon, -30, 150, {2018, 12, 2, 1, 30}, 290.5449, 27.1265},
    {Target::Moon, -30, 150, {2018, 12, 2, 2, 30}, 281.6613, 15.1262},
    {Target::Venus, 29, -81, {2025, 2, 24}, 266.7501, 25.3723},
    {Target::Venus, 29, -81, {2026, 9, 17}, 241.7922, 11.5738},
    {Target::Venus, 29, -81, {2028, 5, 19}, 289.2932, 21.3364},
    {Target::Mars, 29, -81, {2022, 12, 7}, 71.6481, 19.7237},
    {Target::Mars, 29, -81, {2023, 1, 16}, 91.5528, 61.3601},
    {Target::Mars, 29, -81, {2025, 5, 15}, 239.8437, 71.6595},
    {Target::Jupiter, 29, -81, {1900, 7, 30}, 164.1955, 39.7671},
    {Target::Jupiter, 29, -81, {1903, 11, 22}, 169.0130, 52.7707},
    {Target::Jupiter, 29, -81, {2025, 1, 25}, 101.0561, 65.0601},
    {Target::Jupiter, 29, -81, {2027, 3, 16}, 94.8162, 43.7492},
    {Target::Jupiter, 29, -81, {2029, 7, 3}, 185.5007, 54.9937},
    {Target::Saturn, 29, -81, {2028, 1, 10}, 198.4170, 65.9330},
    {Target::Saturn, 29, -81, {2029, 12, 10}, 95.5721, 42.3257},
    {Target::Saturn, 29, -81, {2030, 4, 9}, 273.6103, 29.7401},
    {Target::Saturn, 29, -81, {2032, 1, 29}, 100.0729, 63.1267},
    {Target::Uranus, 29, -81, {2028, 4, 19}, 277.0472, 35.2084},
    {Target::Uranus, 29, -81, {2032, 5, 8}, 279.3376, 35.8498},
};

// The aims: the altitude within 0.02 degrees (the Moon 0.03), and the
// azimuth as far along the sky.
double AimFor(Target target) {
  return target == Target::Moon ? 0.03 : 0.02;
}

TEST(SkyPosition, AgreesWithHorizons) {
  for (const HorizonsRow& row : kHorizons) {
    SCOPED_TRACE(std::string(RecordOf(row.target).englishName) + " " + DateTimeFieldText(row.utc));
    const Site site{row.latitude, row.longitude, 10};
    const UniversalTime instant = UtcInstant(row.utc);
    const SkyPosition position = PositionFromSite(row.target, site, instant);
    EXPECT_NEAR(position.altitude, row.altitude, AimFor(row.target));
    const double azimuthError = std::remainder(position.azimuth - row.azimuth, 360.0);
    EXPECT_NEAR(azimuthError * std::cos(row.altitude * kRadiansPerDegree), 0, AimFor(row.target));
    // A track through the same instant gives the same place.
    const SkyTrack track(row.target, site, {instant - Days(0.5), instant + Days(0.5)});
    EXPECT_NEAR(track.ApparentAltitude(instant), position.altitude, 0.0005);
  }
}

TEST(ReadBand, ReadsTwoEndsInOrderAndNamesTheFault) {
  const struct {
    const char* text;
    BandFault fault;
    BandPart part;
    NumberFault number;
    double from, to;
  } cases[] = {
      {"400-700", BandFault::None, {}, {}, 400, 700},
      {" 656 - 672 ", BandFault::None, {}, {}, 656, 672},
      {"300-1100", BandFault::None, {}, {}, 300, 1100},
      {"550", BandFault::PartCount, {}, {}, 0, 0},
      {"400-500-700", BandFault::PartCount, {}, {}, 0, 0},
      {"", BandFault::PartCount, {}, {}, 0, 0},
      {"-700", BandFault::Number, BandPart::From, NumberFault::Empty, 0, 0},
      {"400-", BandFault::Number, BandPart::To, NumberFault::Empty, 0, 0},
      {"299-700", BandFault::Number, BandPart::From, NumberFault::OutOfRange, 0, 0},
      {"400-1200", BandFault::Number, BandPart::To, NumberFault::OutOfRange, 0, 0},
      {"4OO-700", BandFault::Number, BandPart::From, NumberFault::Malformed, 0, 0},
      {"400,5-700", BandFault::Number, BandPart::From, NumberFault::DecimalComma, 0, 0},
      {"700-400", BandFault::Order, {}, {}, 0, 0},
      {"550-550", BandFault::Order, {}, {}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const BandReading reading = ReadBand(c.text);
    EXPECT_EQ(reading.fault, c.fault);
    if (c.fault == BandFault::Number) {
      EXPECT_EQ(reading.part, c.part);
      EXPECT_EQ(reading.number, c.number);
    }
    if (c.fault == BandFault::None) {
      EXPECT_EQ(reading.band.from, c.from);
      EXPECT_EQ(reading.band.to, c.to);
    }
  }
}

// Seen from the point below it the Moon is nearer by the Earth's radius
// there; Meeus's example 47.a gives 368409.7 km from the centre.
TEST(SkyPosition, TheMoonFromTheSiteBelowItIsLarger) {
  const UniversalTime instant = ToUniversal(TerrestrialTime(2448724.5));
  const Equatorial moon = ApparentPlace(Target::Moon, TerrestrialTime(2448724.5));
  const double longitude =
      std::remainder(moon.rightAscension - ApparentSiderealTime(instant), 360.0);
  const Site below{moon.declination, longitude, 0};
  const std::optional<TargetSize> centre = ApparentSize(Target::Moon, instant);
  const std::optional<TargetSize> site = ApparentSize(Target::Moon, instant, below);
  ASSERT_TRUE(centre && site);
  EXPECT_NEAR(centre->distance, 368409.7, 0.5);
  const double radiusThere = Length(SiteVector(below, 0));
  EXPECT_NEAR(site->distance, 368409.7 - radiusThere, 3.0);
  EXPECT_NEAR(site->diameter, 1979.7, 0.1);
  EXPECT_NEAR(PositionFromSite(Target::Moon, below, instant).trueAltitude, 90, 0.05);
}

// ISO 2533's standard atmosphere as tabulated (by geopotential height, a
// few metres off the geometric one here): 898.76 hPa at 1000 m, 794.98 at
// 2000 m, 701.12 at 3000 m, 540.48 at 5000 m.
TEST(Atmosphere, StandardPressure) {
  const struct {
    double height, pressure;
  } table[] = {{0, 1013.25}, {1000, 898.76}, {2000, 794.98}, {3000, 701.12}, {5000, 540.48}};
  for (const auto& row : table) {
    EXPECT_NEAR(StandardPressure(row.height), row.pressure, 0.5) << row.height;
  }
}

// Meeus example 16.a: half a degree seen is raised 28.754' by Bennett's
// formula, which Saemundsson's inverse meets within 0.1'; none at the
// zenith and none below -1 degree; scaled by pressure.
TEST(Atmosphere, Refraction) {
  const double seen = 0.5;
  const double trueAltitude = seen - 28.754 / 60.0;
  EXPECT_NEAR(Refraction(trueAltitude, 1010) * 60.0, 28.754, 0.1);
  EXPECT_NEAR(Refraction(90, 1010) * 3600.0, 0, 0.2);
  EXPECT_NEAR(Refraction(10, 505), Refraction(10, 1010) / 2.0, 1e-12);
  EXPECT_GT(Refraction(-1.0, 1010), 0.5);
  EXPECT_EQ(Refraction(-1.01, 1010), 0.0);
}

// Kasten and Young: 1 at the zenith, 38 at the horizon (Wikipedia, "Air
// mass (astronomy)", after their paper), sec z in the plane-parallel range
// within 0.3%; nothing below the horizon.
TEST(Atmosphere, AirMass) {
  EXPECT_NEAR(*AirMass(90), 1.0, 0.001);
  EXPECT_NEAR(*AirMass(0), 38.0, 0.2);
  for (const double altitude : {30.0, 45.0, 60.0}) {
    EXPECT_NEAR(*AirMass(altitude) * std::sin(altitude * kRadiansPerDegree), 1.0, 0.003)
        << altitude;
  }
  EXPECT_FALSE(AirMass(-0.1));
}

// Edlen's standard air at 589.3 nm (the sodium D line) is 2.7717e-4 by
// Ciddor's (1996) equations (refractiveindex.info, "Ciddor 1996"); the
// dispersion for 400-700 nm at sea level is 2.5" at 30 degrees and 4" at 20
// (published measurements, as the issue cites them), to 5%.
TEST(Atmosphere, Dispersion) {
  EXPECT_NEAR(AirRefractivity(589.3, 1013.25, 15) / 2.7717e-4, 1.0, 0.0005);
  const double seaLevel = StandardPressure(0);
  EXPECT_NEAR(*Dispersion(30, kDefaultBand, seaLevel) / 2.5, 1.0, 0.05);
  EXPECT_NEAR(*Dispersion(20, kDefaultBand, seaLevel) / 4.0, 1.0, 0.05);
  EXPECT_NEAR(*Dispersion(90, kDefaultBand, seaLevel), 0, 1e-9);
  // Thinner air at altitude spreads less, in proportion.
  EXPECT_NEAR(*Dispersion(30, kDefaultBand, 800.0) / *Dispersion(30, kDefaultBand, seaLevel),
              800.0 / seaLevel, 0.002);
  EXPECT_FALSE(Dispersion(-0.5, kDefaultBand, seaLevel));
  EXPECT_NEAR(DispersionPixels(2.5, 0.15), 16.667, 0.001);
  EXPECT_TRUE(CorrectorAdvised(1.2));
  EXPECT_FALSE(CorrectorAdvised(0.8));
}

}  // namespace
}  // namespace celforo
