#include "calc/time_scale.h"

#include <array>
#include <cstddef>

#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

// One of Espenak and Meeus's polynomials: delta T in seconds as a polynomial
// in t = y - origin, the coefficients from the constant term up, for the
// years before `until`.
struct DeltaTPiece {
  double until;
  double origin;
  std::array<double, 8> coefficients;
};

constexpr std::array<DeltaTPiece, 8> kDeltaTPieces{{
    {1860,
     1800,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
      0.000000000875}},
    {1900, 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0}},
    {1920, 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197}},
    {1941, 1920, {21.20, 0.84493, -0.076100, 0.0020936}},
    {1961, 1950, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0}},
    {1986, 1975, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0}},
    {2005, 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599}},
    {2050, 2000, {62.92, 0.32217, 0.005589}},
}};

// 2000-01-01 00:00, where the year 2000.0 begins, and the mean Gregorian year.
constexpr double kYear2000JulianDay = 2451544.5;
constexpr double kDaysPerGregorianYear = 365.2425;

}  // namespace

double DeltaT(UniversalTime instant) {
  const double year = 2000.0 + (instant.julianDay() - kYear2000JulianDay) / kDaysPerGregorianYear;
  std::size_t piece = 0;
  while (piece + 1 < kDeltaTPieces.size() && year >= kDeltaTPieces[piece].until) ++piece;
  const DeltaTPiece& p = kDeltaTPieces[piece];
  const double t = year - p.origin;
  double seconds = 0;
  for (std::size_t i = p.coefficients.size(); i-- > 0;) seconds = seconds * t + p.coefficients[i];
  return seconds;
}

TerrestrialTime ToTerrestrial(UniversalTime instant) {
  return TerrestrialTime(instant.julianDay() + DeltaT(instant) / kSecondsPerDay);
}

// Delta T changes by about a second a year, so its value at TT read as UT is
// already within microseconds; one more round makes it exact to rounding.
UniversalTime ToUniversal(TerrestrialTime instant) {
  UniversalTime guess(instant.julianDay());
  for (int round = 0; round < 2; ++round) {
    guess = UniversalTime(instant.julianDay() - DeltaT(guess) / kSecondsPerDay);
  }
  return guess;
}

double JulianCenturies(TerrestrialTime instant) {
  return (instant.julianDay() - kJ2000) / kDaysPerJulianCentury;
}

}  // namespace celforo
