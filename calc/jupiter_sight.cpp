#include "calc/jupiter_sight.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"
#include "calc/date_time.h"
#include "calc/planet_rotation.h"
#include "calc/precession_nutation.h"
#include "calc/solar_system.h"

namespace celforo {
namespace {

// System II's rate less Jupiter's slow apparent motion, degrees a day: the
// first step of the search for a transit.
constexpr double kSystemIIPerDay = 870.27;
constexpr double kDaysPerMonth = 365.25 / 12.0;

JupiterSight SightOfDay(double julianDayTT) {
  return JupiterSightAt(TerrestrialTime(julianDayTT));
}

// System II's central meridian seen from the Earth's centre at a TT instant.
double SystemIIAt(TerrestrialTime instant) {
  const GeocentricPlace place = GeocentricPlaceOf(Target::Jupiter, instant);
  const Rotation eclipticToEquator =
      Transposed(RotationAboutX(kObliquityJ2000Degrees * kRadiansPerDegree));
  return CentralMeridian(Meridian::JupiterSystemII, eclipticToEquator * (-1.0 * place.geocentric),
                         instant.julianDay() - place.lightTime);
}

}  // namespace

// The theory's frame is the ecliptic and equinox of the date.
JupiterSight JupiterSightAt(TerrestrialTime instant) {
  const GeocentricPlace place = GeocentricPlaceOf(Target::Jupiter, instant);
  const Rotation toDate = Transposed(EclipticOfDateToJ2000(instant));
  return {instant.julianDay(), toDate * place.geocentric, toDate * place.heliocentric};
}

std::array<GalileanMoonView, 4> GalileanMoonsAt(UniversalTime instant) {
  return GalileanMoonViews(JupiterSightAt(ToTerrestrial(instant)));
}

std::vector<MoonPhenomenon> GalileanPhenomena(UniversalTime from, Days span) {
  const TerrestrialTime start = ToTerrestrial(from);
  std::vector<MoonPhenomenon> phenomena;
  for (const MoonEvent& event : GalileanMoonEvents(start.julianDay(), span.count(), SightOfDay)) {
    phenomena.push_back(
        {ToUniversal(TerrestrialTime(event.julianDayTT)), event.moon, event.kind, event.visible});
  }
  return phenomena;
}

double DefaultRedSpotLongitude(UniversalTime instant) {
  const CivilTime measured{2022, 11, 1, 0, 0, 0};
  const double months = (instant.julianDay() - UtcInstant(measured).julianDay()) / kDaysPerMonth;
  return WithinOneTurn(kRedSpotMeasuredLongitude + kRedSpotDriftPerMonth * months);
}

// The meridian gains on the spot at System II's rate: a first step by that
// rate to the next crossing, then Newton's steps on the meridian the Earth
// sees, each within a second after the second.
UniversalTime NextRedSpotTransit(UniversalTime after, double longitude) {
  TerrestrialTime t = ToTerrestrial(after);
  t = t + Days(WithinOneTurn(longitude - SystemIIAt(t)) / kSystemIIPerDay);
  for (int step = 0; step < 3; ++step) {
    t = t + Days(Remainder(longitude - SystemIIAt(t), 360.0) / kSystemIIPerDay);
  }
  return ToUniversal(t);
}

}  // namespace celforo
