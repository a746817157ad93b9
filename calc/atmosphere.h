// What the air does to the light of a target: the pressure at the site's
// height, refraction, air mass and the spread of colours (atmospheric
// dispersion) across a band.
#pragma once

#include <optional>

#include "calc/band.h"

namespace celforo {

// The pressure of the standard atmosphere (ISO 2533) at a height in metres,
// in hPa: 1013.25 at sea level, 795.0 at 2000 m.
double StandardPressure(double height);

// Refraction in degrees for a true (airless) altitude in degrees, by
// Saemundsson's formula (Meeus, "Astronomical Algorithms", 2nd ed., (16.4)),
// which holds for 1010 hPa and 10 C, scaled by pressure / 1010 (Meeus, the
// note after (16.4)); none below -1 degree. At 1010 hPa a true altitude of
// 0.0208 degrees is raised by 28.8', to half a degree seen (Meeus's example
// 16.a finds 28.754' there by Bennett's formula, which (16.4) matches within
// 0.1').
double Refraction(double trueAltitude, double pressure);

// The relative air mass at an apparent altitude in degrees, by Kasten and
// Young (1989), "Revised optical air mass tables and approximation formula",
// Applied Optics 28, 4735: 1 at the zenith, 1.994 at 30 degrees, 37.9 at the
// horizon; nothing below it.
std::optional<double> AirMass(double apparentAltitude);

// The refractivity n - 1 of dry air at a wavelength in nanometres, 10 C and
// a pressure in hPa, by B. Edlen's formula ("The refractive index of air",
// Metrologia 2, 71 (1966)): 2.8275e-4 at 400 nm in standard air (15 C,
// 1013.25 hPa).
double AirRefractivity(double wavelength, double pressure, double temperature = 10);

// How far the air spreads a point into a spectrum across a band at an
// apparent altitude, in arcseconds: the difference of the refractivities at
// the band's ends, at 10 C and the site's pressure, times the tangent of the
// zenith distance. 400-700 nm at sea level: 2.5" at 30 degrees, 4.0" at 20.
// Nothing below the horizon.
std::optional<double> Dispersion(double apparentAltitude, Band band, double pressure);

// The spread in pixels of `imageScale` arcseconds: 2.5" at 0.15"/pixel is
// 16.7 pixels.
constexpr double DispersionPixels(double dispersion, double imageScale) {
  return dispersion / imageScale;
}

// An atmospheric dispersion corrector is worth it when the spread exceeds a
// pixel: 1.2 pixels is, 0.8 is not.
constexpr bool CorrectorAdvised(double dispersionPixels) {
  return dispersionPixels > 1.0;
}

}  // namespace celforo
