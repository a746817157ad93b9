#include "calc/atmosphere.h"

#include <cmath>

#include "calc/astronomical_constants.h"

namespace celforo {

// The troposphere of ISO 2533: 288.15 K at sea level falling 6.5 K per km,
// so p = 1013.25 (1 - 2.25577e-5 h)^5.25588.
double StandardPressure(double height) {
  return 1013.25 * std::pow(1.0 - 2.25577e-5 * height, 5.25588);
}

double Refraction(double trueAltitude, double pressure) {
  if (trueAltitude < -1.0) return 0;
  const double arcminutes =
      1.02 / std::tan((trueAltitude + 10.3 / (trueAltitude + 5.11)) * kRadiansPerDegree);
  return arcminutes / 60.0 * pressure / 1010.0;
}

// X = 1 / (sin h + 0.50572 (h + 6.07995)^-1.6364), the altitude h in degrees.
std::optional<double> AirMass(double apparentAltitude) {
  if (!(apparentAltitude >= 0)) return std::nullopt;
  return 1.0 / (std::sin(apparentAltitude * kRadiansPerDegree) +
                0.50572 * std::pow(apparentAltitude + 6.07995, -1.6364));
}

// Edlen (1966): (n - 1) * 1e8 = 8342.13 + 2406030 / (130 - s^2) +
// 15997 / (38.9 - s^2) for standard air, s the wavenumber in 1/um; then for
// a pressure p in torr and a temperature t in C,
// (n - 1) = (n - 1)s * p (1 + p (0.817 - 0.0133 t) 1e-6) / (720.775 (1 + 0.0036610 t)).
double AirRefractivity(double wavelength, double pressure, double temperature) {
  const double wavenumber = 1000.0 / wavelength;
  const double squared = wavenumber * wavenumber;
  const double standard =
      (8342.13 + 2406030.0 / (130.0 - squared) + 15997.0 / (38.9 - squared)) * 1e-8;
  const double torr = pressure * 760.0 / 1013.25;
  return standard * torr * (1.0 + torr * (0.817 - 0.0133 * temperature) * 1e-6) /
         (720.775 * (1.0 + 0.0036610 * temperature));
}

std::optional<double> Dispersion(double apparentAltitude, Band band, double pressure) {
  if (!(apparentAltitude >= 0)) return std::nullopt;
  const double spread = AirRefractivity(band.from, pressure) - AirRefractivity(band.to, pressure);
  const double zenithDistance = (90.0 - apparentAltitude) * kRadiansPerDegree;
  return spread * std::tan(zenithDistance) * kArcsecondsPerRadian;
}

}  // namespace celforo
