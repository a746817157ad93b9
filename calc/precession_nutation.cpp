#include "calc/precession_nutation.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

// The ecliptic of the date seen from its equator: a turn by the obliquity
// about the equinox's direction.
Rotation EclipticToEquator(double obliquityRadians) {
  return RotationAboutX(-obliquityRadians);
}

}  // namespace

// Meeus chapter 22: the Moon's ascending node, the Sun's and the Moon's mean
// longitudes, and the four main terms, in arcseconds.
Nutation NutationOf(TerrestrialTime instant) {
  const double t = JulianCenturies(instant);
  const double node = 125.04452 - 1934.136261 * t;
  const double sunLongitude = 280.4665 + 36000.7698 * t;
  const double moonLongitude = 218.3165 + 481267.8813 * t;
  Nutation nutation;
  nutation.longitude = -17.20 * SinDegrees(node) - 1.32 * SinDegrees(2 * sunLongitude) -
                       0.23 * SinDegrees(2 * moonLongitude) + 0.21 * SinDegrees(2 * node);
  nutation.obliquity = 9.20 * CosDegrees(node) + 0.57 * CosDegrees(2 * sunLongitude) +
                       0.10 * CosDegrees(2 * moonLongitude) - 0.09 * CosDegrees(2 * node);
  return nutation;
}

double MeanObliquity(TerrestrialTime instant) {
  const double t = JulianCenturies(instant);
  return kObliquityJ2000Degrees + ((-46.8150 + (-0.00059 + 0.001813 * t) * t) * t) / 3600.0;
}

// Meeus (21.3) with the starting epoch J2000.0 (T = 0, t = centuries), and
// the rotation of (21.4) as z about the pole, theta about the y axis and
// zeta about the pole again.
Rotation PrecessionFromJ2000(TerrestrialTime instant) {
  const double t = JulianCenturies(instant);
  const double zeta = ((2306.2181 + (0.30188 + 0.017998 * t) * t) * t) * kRadiansPerArcsecond;
  const double z = ((2306.2181 + (1.09468 + 0.018203 * t) * t) * t) * kRadiansPerArcsecond;
  const double theta = ((2004.3109 + (-0.42665 - 0.041833 * t) * t) * t) * kRadiansPerArcsecond;
  return RotationAboutZ(-z) * RotationAboutY(theta) * RotationAboutZ(-zeta);
}

Rotation NutationRotation(TerrestrialTime instant) {
  const Nutation nutation = NutationOf(instant);
  const double mean = MeanObliquity(instant) * kRadiansPerDegree;
  const double obliquity = mean + nutation.obliquity * kRadiansPerArcsecond;
  return EclipticToEquator(obliquity) * RotationAboutZ(-nutation.longitude * kRadiansPerArcsecond) *
         Transposed(EclipticToEquator(mean));
}

Rotation EclipticJ2000ToTrueEquator(TerrestrialTime instant) {
  return NutationRotation(instant) * PrecessionFromJ2000(instant) *
         EclipticToEquator(kObliquityJ2000Degrees * kRadiansPerDegree);
}

Rotation EclipticOfDateToJ2000(TerrestrialTime instant) {
  return Transposed(EclipticToEquator(kObliquityJ2000Degrees * kRadiansPerDegree)) *
         Transposed(PrecessionFromJ2000(instant)) *
         EclipticToEquator(MeanObliquity(instant) * kRadiansPerDegree);
}

}  // namespace celforo
