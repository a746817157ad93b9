#include "calc/lunar_distance.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace celforo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// One periodic term of the distance: the multiples of D, M, M' and F in its
// argument, and its coefficient in metres.
struct DistanceTerm {
  signed char d, m, mPrime, f;
  double metres;
};

// Meeus, "Astronomical Algorithms", table 47.A, the column Σr: the terms whose
// distance coefficient is not zero, in the table's order.
constexpr std::array<DistanceTerm, 46> kDistanceTerms{{
    {0, 0, 1, 0, -20905355}, {2, 0, -1, 0, -3699111}, {2, 0, 0, 0, -2955968},
    {0, 0, 2, 0, -569925},   {0, 1, 0, 0, 48888},     {0, 0, 0, 2, -3149},
    {2, 0, -2, 0, 246158},   {2, -1, -1, 0, -152138}, {2, 0, 1, 0, -170733},
    {2, -1, 0, 0, -204586},  {0, 1, -1, 0, -129620},  {1, 0, 0, 0, 108743},
    {0, 1, 1, 0, 104755},    {2, 0, 0, -2, 10321},    {0, 0, 1, -2, 79661},
    {4, 0, -1, 0, -34782},   {0, 0, 3, 0, -23210},    {4, 0, -2, 0, -21636},
    {2, 1, -1, 0, 24208},    {2, 1, 0, 0, 30824},     {1, 0, -1, 0, -8379},
    {1, 1, 0, 0, -16675},    {2, -1, 1, 0, -12831},   {2, 0, 2, 0, -10445},
    {4, 0, 0, 0, -11650},    {2, 0, -3, 0, 14403},    {0, 1, -2, 0, -7003},
    {2, -1, -2, 0, 10056},   {1, 0, 1, 0, 6322},      {2, -2, 0, 0, -9884},
    {0, 1, 2, 0, 5751},      {2, -2, -1, 0, -4950},   {2, 0, 1, -2, 4130},
    {4, -1, -1, 0, -3958},   {3, 0, -1, 0, 3258},     {2, 1, 1, 0, 2616},
    {4, -1, -2, 0, -1897},   {0, 2, -1, 0, -2117},    {2, 2, -1, 0, 2354},
    {4, 0, 1, 0, -1423},     {0, 0, 4, 0, -1117},     {4, -1, 0, 0, -1571},
    {1, 0, -2, 0, -1739},    {0, 0, 2, -2, -4421},    {0, 2, 1, 0, 1165},
    {2, 0, -1, -2, 8752},
}};

// A polynomial in the centuries, its coefficients from the constant term up.
template <std::size_t N>
double Polynomial(const double (&coefficients)[N], double t) {
  double value = 0;
  for (std::size_t i = N; i-- > 0;) value = value * t + coefficients[i];
  return value;
}

// The multiples -most..most of an angle given in degrees, as the unit complex
// numbers e^(ik angle), from one sine and one cosine.
class Turns {
public:
  Turns(double degrees, int most) {
    const double radians = std::remainder(degrees, 360.0) * kRadiansPerDegree;
    const std::complex<double> once(std::cos(radians), std::sin(radians));
    powers_[kMost] = 1.0;
    for (int k = 1; k <= most; ++k) {
      powers_[kMost + k] = powers_[kMost + k - 1] * once;
      powers_[kMost - k] = std::conj(powers_[kMost + k]);
    }
  }
  std::complex<double> operator[](int k) const { return powers_[kMost + k]; }

private:
  static constexpr int kMost = 4;
  std::complex<double> powers_[2 * kMost + 1];
};

}  // namespace

// Meeus (47.2) to (47.6) for the arguments, the factor E of (47.6) for the
// terms in M, and the distance 385000.56 km + Σr.
double LunarDistance(double julianDay) {
  const double t = (julianDay - 2451545.0) / 36525.0;
  const double elongation =
      Polynomial({297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868.0, -1.0 / 113065000.0}, t);
  const double sunAnomaly =
      Polynomial({357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0}, t);
  const double moonAnomaly =
      Polynomial({134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699.0, -1.0 / 14712000.0}, t);
  const double latitudeArgument =
      Polynomial({93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000.0, 1.0 / 863310000.0}, t);
  const double eccentricityFactor = Polynomial({1.0, -0.002516, -0.0000074}, t);

  const Turns d(elongation, 4), m(sunAnomaly, 2), mPrime(moonAnomaly, 4), f(latitudeArgument, 2);

  // cos(dD + mM + m'M' + fF) is the real part of the product of the four
  // multiples as unit complex numbers: four sines and cosines for all terms.
  double sumMetres = 0;
  for (const DistanceTerm& term : kDistanceTerms) {
    double coefficient = term.metres;
    if (term.m != 0) coefficient *= eccentricityFactor;
    if (term.m == 2 || term.m == -2) coefficient *= eccentricityFactor;
    sumMetres += coefficient * (d[term.d] * m[term.m] * mPrime[term.mPrime] * f[term.f]).real();
  }
  return 385000.56 + sumMetres / 1000.0;
}

}  // namespace celforo
