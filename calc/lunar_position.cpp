#include "calc/lunar_position.h"

#include <array>
#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

// One periodic term of Meeus's table 47.A: the multiples of D, M, M' and F
// in its argument, its coefficient of the longitude in 1e-6 degrees (of a
// sine) and of the distance in metres (of a cosine).
struct LongitudeDistanceTerm {
  signed char d, m, mPrime, f;
  int longitude, distance;
};

// One periodic term of table 47.B: its coefficient of the latitude in 1e-6
// degrees, of a sine.
struct LatitudeTerm {
  signed char d, m, mPrime, f;
  int latitude;
};

// J. Meeus, "Astronomical Algorithms" (2nd ed., 1998), tables 47.A and 47.B,
// in the tables' order.
constexpr std::array<LongitudeDistanceTerm, 60> kLongitudeDistanceTerms{{
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
}};

constexpr std::array<LatitudeTerm, 60> kLatitudeTerms{{
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
}};

// A polynomial in the centuries, its coefficients from the constant term up.
template <std::size_t N>
double Polynomial(const double (&coefficients)[N], double t) {
  double value = 0;
  for (std::size_t i = N; i-- > 0;) value = value * t + coefficients[i];
  return value;
}

// A point on the unit circle, cos + i sin of an angle: multiplying two adds
// their angles. Written out rather than std::complex, whose product guards
// against infinities at many times the cost.
struct Turn {
  double c = 1, s = 0;
};

Turn operator*(Turn a, Turn b) {
  return {a.c * b.c - a.s * b.s, a.c * b.s + a.s * b.c};
}

// The multiples -most..most of an angle given in degrees, as turns, from one
// sine and one cosine.
class Turns {
public:
  Turns(double degrees, int most) {
    const double radians = Remainder(degrees, 360.0) * kRadiansPerDegree;
    const Turn once{std::cos(radians), std::sin(radians)};
    for (int k = 1; k <= most; ++k) {
      powers_[kMost + k] = powers_[kMost + k - 1] * once;
      powers_[kMost - k] = {powers_[kMost + k].c, -powers_[kMost + k].s};
    }
  }
  Turn operator[](int k) const { return powers_[kMost + k]; }

private:
  static constexpr int kMost = 4;
  Turn powers_[2 * kMost + 1];
};

// Meeus (47.1) to (47.6) for the arguments, A1 to A3 and the factor E for the
// terms in M; the sums of the first `terms` terms of each table, and the
// additive terms that follow the tables with all of them.
LunarPosition SeriesPosition(TerrestrialTime instant, std::size_t terms) {
  const double t = JulianCenturies(instant);
  const double meanLongitude =
      Polynomial({218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841.0, -1.0 / 65194000.0}, t);
  const double elongation =
      Polynomial({297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868.0, -1.0 / 113065000.0}, t);
  const double sunAnomaly =
      Polynomial({357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0}, t);
  const double moonAnomaly =
      Polynomial({134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699.0, -1.0 / 14712000.0}, t);
  const double latitudeArgument =
      Polynomial({93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000.0, 1.0 / 863310000.0}, t);
  const double a1 = 119.75 + 131.849 * t;
  const double a2 = 53.09 + 479264.290 * t;
  const double a3 = 313.45 + 481266.484 * t;
  const double eccentricityFactor = Polynomial({1.0, -0.002516, -0.0000074}, t);
  const double factors[3] = {1.0, eccentricityFactor, eccentricityFactor * eccentricityFactor};

  const Turns d(elongation, 4), m(sunAnomaly, 2), mPrime(moonAnomaly, 4), f(latitudeArgument, 3);

  // sin and cos of dD + mM + m'M' + fF are the parts of the product of the
  // four multiples as unit complex numbers: four sines and cosines in all.
  double sumLongitude = 0, sumDistance = 0, sumLatitude = 0;
  for (std::size_t i = 0; i < terms; ++i) {
    const LongitudeDistanceTerm& term = kLongitudeDistanceTerms[i];
    const Turn turn = d[term.d] * m[term.m] * mPrime[term.mPrime] * f[term.f];
    const double factor = factors[term.m < 0 ? -term.m : term.m];
    sumLongitude += factor * term.longitude * turn.s;
    sumDistance += factor * term.distance * turn.c;
  }
  for (std::size_t i = 0; i < terms; ++i) {
    const LatitudeTerm& term = kLatitudeTerms[i];
    const Turn turn = d[term.d] * m[term.m] * mPrime[term.mPrime] * f[term.f];
    sumLatitude += factors[term.m < 0 ? -term.m : term.m] * term.latitude * turn.s;
  }
  if (terms == kLongitudeDistanceTerms.size()) {
    sumLongitude += 3958 * SinDegrees(a1) + 1962 * SinDegrees(meanLongitude - latitudeArgument) +
                    318 * SinDegrees(a2);
    sumLatitude += -2235 * SinDegrees(meanLongitude) + 382 * SinDegrees(a3) +
                   175 * SinDegrees(a1 - latitudeArgument) +
                   175 * SinDegrees(a1 + latitudeArgument) +
                   127 * SinDegrees(meanLongitude - moonAnomaly) -
                   115 * SinDegrees(meanLongitude + moonAnomaly);
  }

  LunarPosition position;
  position.longitude = WithinOneTurn(meanLongitude + sumLongitude / 1e6);
  position.latitude = sumLatitude / 1e6;
  position.distance = 385000.56 + sumDistance / 1000.0;
  return position;
}

}  // namespace

LunarPosition MoonPosition(TerrestrialTime instant) {
  return SeriesPosition(instant, kLongitudeDistanceTerms.size());
}

LunarPosition RoughMoonPosition(TerrestrialTime instant) {
  return SeriesPosition(instant, 10);
}

}  // namespace celforo
