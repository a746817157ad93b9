#include "calc/sidereal_time.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"
#include "calc/precession_nutation.h"

namespace celforo {
namespace {}  // namespace

double MeanSiderealTime(UniversalTime instant) {
  const double days = instant.julianDay() - kJ2000;
  const double t = days / kDaysPerJulianCentury;
  return WithinOneTurn(280.46061837 + 360.98564736629 * days +
                       (0.000387933 - t / 38710000.0) * t * t);
}

double ApparentSiderealTime(UniversalTime instant) {
  const TerrestrialTime tt = ToTerrestrial(instant);
  const Nutation nutation = NutationOf(tt);
  const double obliquity =
      MeanObliquity(tt) * kRadiansPerDegree + nutation.obliquity * kRadiansPerArcsecond;
  return WithinOneTurn(MeanSiderealTime(instant) +
                       nutation.longitude * std::cos(obliquity) / 3600.0);
}

}  // namespace celforo
