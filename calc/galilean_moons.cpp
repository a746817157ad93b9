#include "calc/galilean_moons.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

// Astronomical units in Jupiter's equatorial radius, as the theory takes it
// (Meeus's perspective factor, 44.7).
constexpr double kRadiiPerAu = 2095.0;

// The arguments of the theory's periodic terms (Meeus pp. 306-308): the
// moons' mean longitudes l, the longitudes of their perijoves and nodes,
// the node of Jupiter's equator on the ecliptic psi, Jupiter's longitude
// of perihelion, the mean anomalies G and G' of Jupiter and Saturn, the
// phase of the free libration Phi. kOwnL stands for the moon's own
// perturbed longitude L = l + Sigma, as in the latitude terms.
enum ArgumentIndex : unsigned char {
  kL1,
  kL2,
  kL3,
  kL4,
  kPi1,
  kPi2,
  kPi3,
  kPi4,
  kOmega1,
  kOmega2,
  kOmega3,
  kOmega4,
  kPsi,
  kPerihelion,
  kG,
  kGPrime,
  kPhi,
  kOwnL,
  kArgumentCount
};

struct Multiple {
  ArgumentIndex argument;
  signed char times;
};

// A decimal as the whole number of units of `scale`: 0.84287 in units of
// 1e-7 (a scale of 1e7) is 8428700. Only where that number divided by the
// scale gives back the very double of the decimal; anything else is no
// constant expression, and its table does not compile.
consteval std::int32_t Scaled(double value, double scale) {
  const double scaled = value * scale;
  const auto units = static_cast<std::int32_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
  if (static_cast<double>(units) / scale != value) std::abort();
  return units;
}

// coefficient * sin (or cos) of the sum of the multiples, plus `sigma` times
// the moon's own Sigma, plus `phase` degrees. The numbers are kept as whole
// units of their last decimal place, as Meeus prints them: the page
// downloads the terms in 20 bytes each rather than 32, and each number reads
// back as the double its decimal gives.
class Term {
public:
  consteval Term(double coefficient, std::array<Multiple, 4> multiples, double sigma = 0,
                 double phase = 0)
      : coefficient_(Scaled(coefficient, kCoefficientScale)),
        multiples_(multiples),
        sigma_(Scaled(sigma, kSigmaScale)),
        phase_(Scaled(phase, kPhaseScale)) {}

  double coefficient() const { return coefficient_ / kCoefficientScale; }
  const std::array<Multiple, 4>& multiples() const { return multiples_; }
  double sigma() const { return sigma_ / kSigmaScale; }
  double phase() const { return phase_ / kPhaseScale; }

private:
  static constexpr double kCoefficientScale = 1e7;  // 7 decimals: -0.0041339
  static constexpr double kSigmaScale = 1e4;        // 4 decimals: -1.9927
  static constexpr double kPhaseScale = 1e3;        // 3 decimals: 52.225

  std::int32_t coefficient_;
  std::array<Multiple, 4> multiples_;
  std::int32_t sigma_;
  std::int32_t phase_;
};

// Meeus's series, term for term: the Sigma of each moon's longitude in
// degrees (sines), the tangent of its latitude (sines), and its radius
// vector's relative perturbation (cosines).
constexpr Term kLongitude1[] = {
    {0.47259, {{{kL1, 2}, {kL2, -2}}}},
    {-0.03478, {{{kPi3, 1}, {kPi4, -1}}}},
    {0.01081, {{{kL2, 1}, {kL3, -2}, {kPi3, 1}}}},
    {0.00738, {{{kPhi, 1}}}},
    {0.00713, {{{kL2, 1}, {kL3, -2}, {kPi2, 1}}}},
    {-0.00674, {{{kPi1, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00666, {{{kL2, 1}, {kL3, -2}, {kPi4, 1}}}},
    {0.00445, {{{kL1, 1}, {kPi3, -1}}}},
    {-0.00354, {{{kL1, 1}, {kL2, -1}}}},
    {-0.00317, {{{kPsi, 2}, {kPerihelion, -2}}}},
    {0.00265, {{{kL1, 1}, {kPi4, -1}}}},
    {-0.00186, {{{kG, 1}}}},
    {0.00162, {{{kPi2, 1}, {kPi3, -1}}}},
    {0.00158, {{{kL1, 4}, {kL2, -4}}}},
    {-0.00155, {{{kL1, 1}, {kL3, -1}}}},
    {-0.00138, {{{kPsi, 1}, {kOmega3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {-0.00115, {{{kL1, 2}, {kL2, -4}, {kOmega2, 2}}}},
    {0.00089, {{{kPi2, 1}, {kPi4, -1}}}},
    {0.00085, {{{kL1, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00083, {{{kOmega2, 1}, {kOmega3, -1}}}},
    {0.00053, {{{kPsi, 1}, {kOmega2, -1}}}},
};
constexpr Term kLongitude2[] = {
    {1.06476, {{{kL2, 2}, {kL3, -2}}}},
    {0.04256, {{{kL1, 1}, {kL2, -2}, {kPi3, 1}}}},
    {0.03581, {{{kL2, 1}, {kPi3, -1}}}},
    {0.02395, {{{kL1, 1}, {kL2, -2}, {kPi4, 1}}}},
    {0.01984, {{{kL2, 1}, {kPi4, -1}}}},
    {-0.01778, {{{kPhi, 1}}}},
    {0.01654, {{{kL2, 1}, {kPi2, -1}}}},
    {0.01334, {{{kL2, 1}, {kL3, -2}, {kPi2, 1}}}},
    {0.01294, {{{kPi3, 1}, {kPi4, -1}}}},
    {-0.01142, {{{kL2, 1}, {kL3, -1}}}},
    {-0.01057, {{{kG, 1}}}},
    {-0.00775, {{{kPsi, 2}, {kPerihelion, -2}}}},
    {0.00524, {{{kL1, 2}, {kL2, -2}}}},
    {-0.0046, {{{kL1, 1}, {kL3, -1}}}},
    {0.00316, {{{kPsi, 1}, {kG, -2}, {kOmega3, 1}, {kPerihelion, -2}}}},
    {-0.00203, {{{kPi1, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00146, {{{kPsi, 1}, {kOmega3, -1}}}},
    {-0.00145, {{{kG, 2}}}},
    {0.00125, {{{kPsi, 1}, {kOmega4, -1}}}},
    {-0.00115, {{{kL1, 1}, {kL3, -2}, {kPi3, 1}}}},
    {-0.00094, {{{kL2, 2}, {kOmega2, -2}}}},
    {0.00086, {{{kL1, 2}, {kL2, -4}, {kOmega2, 2}}}},
    {-0.00086, {{{kGPrime, 5}, {kG, -2}}}, 0, 52.225},
    {-0.00078, {{{kL2, 1}, {kL4, -1}}}},
    {-0.00064, {{{kL3, 3}, {kL4, -7}, {kPi4, 4}}}},
    {0.00064, {{{kPi1, 1}, {kPi4, -1}}}},
    {-0.00063, {{{kL1, 1}, {kL3, -2}, {kPi4, 1}}}},
    {0.00058, {{{kOmega3, 1}, {kOmega4, -1}}}},
    {0.00056, {{{kPsi, 2}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00056, {{{kL2, 2}, {kL4, -2}}}},
    {0.00055, {{{kL1, 2}, {kL3, -2}}}},
    {0.00052, {{{kL3, 3}, {kL4, -7}, {kPi3, 1}, {kPi4, 3}}}},
    {-0.00043, {{{kL1, 1}, {kPi3, -1}}}},
    {0.00041, {{{kL2, 5}, {kL3, -5}}}},
    {0.00041, {{{kPi4, 1}, {kPerihelion, -1}}}},
    {0.00032, {{{kOmega2, 1}, {kOmega3, -1}}}},
    {0.00032, {{{kL3, 2}, {kG, -2}, {kPerihelion, -2}}}},
};
constexpr Term kLongitude3[] = {
    {0.1649, {{{kL3, 1}, {kPi3, -1}}}},
    {0.09081, {{{kL3, 1}, {kPi4, -1}}}},
    {-0.06907, {{{kL2, 1}, {kL3, -1}}}},
    {0.03784, {{{kPi3, 1}, {kPi4, -1}}}},
    {0.01846, {{{kL3, 2}, {kL4, -2}}}},
    {-0.0134, {{{kG, 1}}}},
    {-0.01014, {{{kPsi, 2}, {kPerihelion, -2}}}},
    {0.00704, {{{kL2, 1}, {kL3, -2}, {kPi3, 1}}}},
    {-0.0062, {{{kL2, 1}, {kL3, -2}, {kPi2, 1}}}},
    {-0.00541, {{{kL3, 1}, {kL4, -1}}}},
    {0.00381, {{{kL2, 1}, {kL3, -2}, {kPi4, 1}}}},
    {0.00235, {{{kPsi, 1}, {kOmega3, -1}}}},
    {0.00198, {{{kPsi, 1}, {kOmega4, -1}}}},
    {0.00176, {{{kPhi, 1}}}},
    {0.0013, {{{kL3, 3}, {kL4, -3}}}},
    {0.00125, {{{kL1, 1}, {kL3, -1}}}},
    {-0.00119, {{{kGPrime, 5}, {kG, -2}}}, 0, 52.225},
    {0.00109, {{{kL1, 1}, {kL2, -1}}}},
    {-0.001, {{{kL3, 3}, {kL4, -7}, {kPi4, 4}}}},
    {0.00091, {{{kOmega3, 1}, {kOmega4, -1}}}},
    {0.0008, {{{kL3, 3}, {kL4, -7}, {kPi3, 1}, {kPi4, 3}}}},
    {-0.00075, {{{kL2, 2}, {kL3, -3}, {kPi3, 1}}}},
    {0.00072, {{{kPi1, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00069, {{{kPi4, 1}, {kPerihelion, -1}}}},
    {-0.00058, {{{kL3, 2}, {kL4, -3}, {kPi4, 1}}}},
    {-0.00057, {{{kL3, 1}, {kL4, -2}, {kPi4, 1}}}},
    {0.00056, {{{kL3, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {-0.00052, {{{kL2, 1}, {kL3, -2}, {kPi1, 1}}}},
    {-0.0005, {{{kPi2, 1}, {kPi3, -1}}}},
    {0.00048, {{{kL3, 1}, {kL4, -2}, {kPi3, 1}}}},
    {-0.00045, {{{kL2, 2}, {kL3, -3}, {kPi4, 1}}}},
    {-0.00041, {{{kPi2, 1}, {kPi4, -1}}}},
    {-0.00038, {{{kG, 2}}}},
    {-0.00037, {{{kPi3, 1}, {kPi4, -1}, {kOmega3, 1}, {kOmega4, -1}}}},
    {-0.00032, {{{kL3, 3}, {kL4, -7}, {kPi3, 2}, {kPi4, 2}}}},
    {0.0003, {{{kL3, 4}, {kL4, -4}}}},
    {0.00029, {{{kL3, 1}, {kPi4, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {-0.00028, {{{kOmega3, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {0.00026, {{{kL3, 1}, {kPerihelion, -1}, {kG, -1}}}},
    {0.00024, {{{kL2, 1}, {kL3, -3}, {kL4, 2}}}},
    {0.00021, {{{kL3, 2}, {kPerihelion, -2}, {kG, -2}}}},
    {-0.00021, {{{kL3, 1}, {kPi2, -1}}}},
    {0.00017, {{{kL3, 2}, {kPi3, -2}}}},
};
constexpr Term kLongitude4[] = {
    {0.84287, {{{kL4, 1}, {kPi4, -1}}}},
    {0.03431, {{{kPi4, 1}, {kPi3, -1}}}},
    {-0.03305, {{{kPsi, 2}, {kPerihelion, -2}}}},
    {-0.03211, {{{kG, 1}}}},
    {-0.01862, {{{kL4, 1}, {kPi3, -1}}}},
    {0.01186, {{{kPsi, 1}, {kOmega4, -1}}}},
    {0.00623, {{{kL4, 1}, {kPi4, 1}, {kG, -2}, {kPerihelion, -2}}}},
    {0.00387, {{{kL4, 2}, {kPi4, -2}}}},
    {-0.00284, {{{kGPrime, 5}, {kG, -2}}}, 0, 52.225},
    {-0.00234, {{{kPsi, 2}, {kPi4, -2}}}},
    {-0.00223, {{{kL3, 1}, {kL4, -1}}}},
    {-0.00208, {{{kL4, 1}, {kPerihelion, -1}}}},
    {0.00178, {{{kPsi, 1}, {kOmega4, 1}, {kPi4, -2}}}},
    {0.00134, {{{kPi4, 1}, {kPerihelion, -1}}}},
    {0.00125, {{{kL4, 2}, {kG, -2}, {kPerihelion, -2}}}},
    {-0.00117, {{{kG, 2}}}},
    {-0.00112, {{{kL3, 2}, {kL4, -2}}}},
    {0.00107, {{{kL3, 3}, {kL4, -7}, {kPi4, 4}}}},
    {0.00102, {{{kL4, 1}, {kG, -1}, {kPerihelion, -1}}}},
    {0.00096, {{{kL4, 2}, {kPsi, -1}, {kOmega4, -1}}}},
    {0.00087, {{{kPsi, 2}, {kOmega4, -2}}}},
    {-0.00085, {{{kL3, 3}, {kL4, -7}, {kPi3, 1}, {kPi4, 3}}}},
    {0.00085, {{{kL3, 1}, {kL4, -2}, {kPi4, 1}}}},
    {-0.00081, {{{kL4, 2}, {kPsi, -2}}}},
    {0.00071, {{{kL4, 1}, {kPi4, 1}, {kPerihelion, -2}, {kG, -3}}}},
    {0.00061, {{{kL1, 1}, {kL4, -1}}}},
    {-0.00056, {{{kPsi, 1}, {kOmega3, -1}}}},
    {-0.00054, {{{kL3, 1}, {kL4, -2}, {kPi3, 1}}}},
    {0.00051, {{{kL2, 1}, {kL4, -1}}}},
    {0.00042, {{{kPsi, 2}, {kG, -2}, {kPerihelion, -2}}}},
    {0.00039, {{{kPi4, 2}, {kOmega4, -2}}}},
    {0.00036, {{{kPsi, 1}, {kPerihelion, 1}, {kPi4, -1}, {kOmega4, -1}}}},
    {0.00035, {{{kGPrime, 2}, {kG, -1}}}, 0, 188.37},
    {-0.00035, {{{kL4, 1}, {kPi4, -1}, {kPerihelion, 2}, {kPsi, -2}}}},
    {-0.00032, {{{kL4, 1}, {kPi4, 1}, {kPerihelion, -2}, {kG, -1}}}},
    {0.0003, {{{kGPrime, 2}, {kG, -2}}}, 0, 149.15},
    {0.00029, {{{kL3, 3}, {kL4, -7}, {kPi3, 2}, {kPi4, 2}}}},
    {0.00028, {{{kL4, 1}, {kPi4, -1}, {kPsi, 2}, {kPerihelion, -2}}}},
    {-0.00028, {{{kL4, 2}, {kOmega4, -2}}}},
    {-0.00027, {{{kPi3, 1}, {kPi4, -1}, {kOmega3, 1}, {kOmega4, -1}}}},
    {-0.00026, {{{kGPrime, 5}, {kG, -3}}}, 0, 188.37},
    {0.00025, {{{kOmega4, 1}, {kOmega3, -1}}}},
    {-0.00025, {{{kL2, 1}, {kL3, -3}, {kL4, 2}}}},
    {-0.00023, {{{kL3, 3}, {kL4, -3}}}},
    {0.00021, {{{kL4, 2}, {kPerihelion, -2}, {kG, -3}}}},
    {-0.00021, {{{kL3, 2}, {kL4, -3}, {kPi4, 1}}}},
    {0.00019, {{{kL4, 1}, {kPi4, -1}, {kG, -1}}}},
    {-0.00019, {{{kL4, 2}, {kPi3, -1}, {kPi4, -1}}}},
    {-0.00018, {{{kL4, 1}, {kPi4, -1}, {kG, 1}}}},
    {-0.00016, {{{kL4, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
};
constexpr Term kLatitude1[] = {
    {0.0006393, {{{kOwnL, 1}, {kOmega1, -1}}}},
    {0.0001825, {{{kOwnL, 1}, {kOmega2, -1}}}},
    {3.29e-05, {{{kOwnL, 1}, {kOmega3, -1}}}},
    {-3.11e-05, {{{kOwnL, 1}, {kPsi, -1}}}},
    {9.3e-06, {{{kOwnL, 1}, {kOmega4, -1}}}},
    {7.5e-06, {{{kOwnL, 3}, {kL2, -4}, {kOmega2, 1}}}, -1.9927},
    {4.6e-06, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -2}}}},
};
constexpr Term kLatitude2[] = {
    {0.0081004, {{{kOwnL, 1}, {kOmega2, -1}}}},
    {0.0004512, {{{kOwnL, 1}, {kOmega3, -1}}}},
    {-0.0003284, {{{kOwnL, 1}, {kPsi, -1}}}},
    {0.000116, {{{kOwnL, 1}, {kOmega4, -1}}}},
    {2.72e-05, {{{kL1, 1}, {kL3, -2}, {kOmega2, 1}}}, 1.0146},
    {-1.44e-05, {{{kOwnL, 1}, {kOmega1, -1}}}},
    {1.43e-05, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {3.5e-06, {{{kOwnL, 1}, {kPsi, -1}, {kG, 1}}}},
    {-2.8e-06, {{{kL1, 1}, {kL3, -2}, {kOmega3, 1}}}, 1.0146},
};
constexpr Term kLatitude3[] = {
    {0.0032402, {{{kOwnL, 1}, {kOmega3, -1}}}},
    {-0.0016911, {{{kOwnL, 1}, {kPsi, -1}}}},
    {0.0006847, {{{kOwnL, 1}, {kOmega4, -1}}}},
    {-0.0002797, {{{kOwnL, 1}, {kOmega2, -1}}}},
    {3.21e-05, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {5.1e-06, {{{kOwnL, 1}, {kPsi, -1}, {kG, 1}}}},
    {-4.5e-06, {{{kOwnL, 1}, {kPsi, -1}, {kG, -1}}}},
    {-4.5e-06, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}}}},
    {3.7e-06, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -3}}}},
    {3e-06, {{{kL2, 2}, {kOwnL, -3}, {kOmega2, 1}}}, 4.03},
    {-2.1e-06, {{{kL2, 2}, {kOwnL, -3}, {kOmega3, 1}}}, 4.03},
};
constexpr Term kLatitude4[] = {
    {-0.0076579, {{{kOwnL, 1}, {kPsi, -1}}}},
    {0.0044134, {{{kOwnL, 1}, {kOmega4, -1}}}},
    {-0.0005112, {{{kOwnL, 1}, {kOmega3, -1}}}},
    {7.73e-05, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {1.04e-05, {{{kOwnL, 1}, {kPsi, -1}, {kG, 1}}}},
    {-1.02e-05, {{{kOwnL, 1}, {kPsi, -1}, {kG, -1}}}},
    {8.8e-06, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -3}}}},
    {-3.8e-06, {{{kOwnL, 1}, {kPsi, 1}, {kPerihelion, -2}, {kG, -1}}}},
};
constexpr Term kRadius1[] = {
    {-0.0041339, {{{kL1, 2}, {kL2, -2}}}},
    {-3.87e-05, {{{kL1, 1}, {kPi3, -1}}}},
    {-2.14e-05, {{{kL1, 1}, {kPi4, -1}}}},
    {1.7e-05, {{{kL1, 1}, {kL2, -1}}}},
    {-1.31e-05, {{{kL1, 4}, {kL2, -4}}}},
    {1.06e-05, {{{kL1, 1}, {kL3, -1}}}},
    {-6.6e-06, {{{kL1, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
};
constexpr Term kRadius2[] = {
    {0.0093848, {{{kL1, 1}, {kL2, -1}}}},
    {-0.0003116, {{{kL2, 1}, {kPi3, -1}}}},
    {-0.0001744, {{{kL2, 1}, {kPi4, -1}}}},
    {-0.0001442, {{{kL2, 1}, {kPi2, -1}}}},
    {5.53e-05, {{{kL2, 1}, {kL3, -1}}}},
    {5.23e-05, {{{kL1, 1}, {kL3, -1}}}},
    {-2.9e-05, {{{kL1, 2}, {kL2, -2}}}},
    {1.64e-05, {{{kL2, 2}, {kOmega2, -2}}}},
    {1.07e-05, {{{kL1, 1}, {kL3, -2}, {kPi3, 1}}}},
    {-1.02e-05, {{{kL2, 1}, {kPi1, -1}}}},
    {-9.1e-06, {{{kL1, 2}, {kL3, -2}}}},
};
constexpr Term kRadius3[] = {
    {-0.0014388, {{{kL3, 1}, {kPi3, -1}}}},
    {-0.0007917, {{{kL3, 1}, {kPi4, -1}}}},
    {0.0006342, {{{kL2, 1}, {kL3, -1}}}},
    {-0.0001761, {{{kL3, 2}, {kL4, -2}}}},
    {2.94e-05, {{{kL3, 1}, {kL4, -1}}}},
    {-1.56e-05, {{{kL3, 3}, {kL4, -3}}}},
    {1.56e-05, {{{kL1, 1}, {kL3, -1}}}},
    {-1.53e-05, {{{kL1, 1}, {kL2, -1}}}},
    {7e-06, {{{kL2, 2}, {kL3, -3}, {kPi3, 1}}}},
    {-5.1e-06, {{{kL3, 1}, {kPi3, 1}, {kPerihelion, -2}, {kG, -2}}}},
};
constexpr Term kRadius4[] = {
    {-0.0073546, {{{kL4, 1}, {kPi4, -1}}}},
    {0.0001621, {{{kL4, 1}, {kPi3, -1}}}},
    {9.74e-05, {{{kL3, 1}, {kL4, -1}}}},
    {-5.43e-05, {{{kL4, 1}, {kPi4, 1}, {kPerihelion, -2}, {kG, -2}}}},
    {-2.71e-05, {{{kL4, 2}, {kPi4, -2}}}},
    {1.82e-05, {{{kL4, 1}, {kPerihelion, -1}}}},
    {1.77e-05, {{{kL3, 2}, {kL4, -2}}}},
    {-1.67e-05, {{{kL4, 2}, {kPsi, -1}, {kOmega4, -1}}}},
    {1.67e-05, {{{kPsi, 1}, {kOmega4, -1}}}},
    {-1.55e-05, {{{kL4, 2}, {kPerihelion, -2}, {kG, -2}}}},
    {1.42e-05, {{{kL4, 2}, {kPsi, -2}}}},
    {1.05e-05, {{{kL1, 1}, {kL4, -1}}}},
    {9.2e-06, {{{kL2, 1}, {kL4, -1}}}},
    {-8.9e-06, {{{kL4, 1}, {kPerihelion, -1}, {kG, -1}}}},
    {-6.2e-06, {{{kL4, 1}, {kPi4, 1}, {kPerihelion, -2}, {kG, -3}}}},
    {4.8e-06, {{{kL4, 2}, {kOmega4, -2}}}},
};

struct MoonSeries {
  std::span<const Term> longitude, latitude, radius;
  double semiMajorAxis;    // Jupiter's equatorial radii
  double lightTimeFactor;  // Meeus's K, for the differential light time (44.6)
};

constexpr std::array<MoonSeries, 4> kSeries{{
    {kLongitude1, kLatitude1, kRadius1, 5.90569, 17295},
    {kLongitude2, kLatitude2, kRadius2, 9.39657, 21819},
    {kLongitude3, kLatitude3, kRadius3, 14.98832, 27558},
    {kLongitude4, kLatitude4, kRadius4, 26.36273, 36548},
}};

using Arguments = std::array<double, kArgumentCount>;  // radians

double Argument(const Term& term, const Arguments& arguments, double sigma) {
  double angle = term.sigma() * sigma + term.phase() * kRadiansPerDegree;
  for (const Multiple& multiple : term.multiples()) {
    if (multiple.times != 0) angle += multiple.times * arguments[multiple.argument];
  }
  return angle;
}

double SumOfSines(std::span<const Term> terms, const Arguments& arguments, double sigma) {
  double sum = 0;
  for (const Term& term : terms)
    sum += term.coefficient() * std::sin(Argument(term, arguments, sigma));
  return sum;
}

double SumOfCosines(std::span<const Term> terms, const Arguments& arguments) {
  double sum = 0;
  for (const Term& term : terms) sum += term.coefficient() * std::cos(Argument(term, arguments, 0));
  return sum;
}

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Unit(const Vector3& v) {
  return (1.0 / Length(v)) * v;
}

// The moons and Jupiter's north pole in the mean ecliptic and equinox of the
// date, the moons in Jupiter's equatorial radii.
struct Jovicentric {
  std::array<Vector3, 4> moons;
  std::array<double, 4> radius;  // each moon's radius vector
  Vector3 pole;
};

// Meeus's steps on pp. 309-312 up to the rotation into the ecliptic: the
// moons' longitudes, latitudes and radii at `t` days from JDE 2443000.5 less
// the light time, referred to the node psi of Jupiter's equator; then
// turned by the inclination I of that equator on the orbit, the orbit's
// inclination i and node Omega (Meeus table 31.A, of the date).
Jovicentric JovicentricPositions(double julianDayTT, double lightDays) {
  const double t = julianDayTT - 2443000.5 - lightDays;
  const auto degrees = [](double value) { return value * kRadiansPerDegree; };
  Arguments a{};
  a[kL1] = degrees(106.07719 + 203.488955790 * t);
  a[kL2] = degrees(175.73161 + 101.374724735 * t);
  a[kL3] = degrees(120.55883 + 50.317609207 * t);
  a[kL4] = degrees(84.44459 + 21.571071177 * t);
  a[kPi1] = degrees(97.0881 + 0.16138586 * t);
  a[kPi2] = degrees(154.8663 + 0.04726307 * t);
  a[kPi3] = degrees(188.1840 + 0.00712734 * t);
  a[kPi4] = degrees(335.2868 + 0.00184000 * t);
  a[kOmega1] = degrees(312.3346 - 0.13279386 * t);
  a[kOmega2] = degrees(100.4411 - 0.03263064 * t);
  a[kOmega3] = degrees(119.1942 - 0.00717703 * t);
  a[kOmega4] = degrees(322.6186 - 0.00175934 * t);
  const double gamma = degrees(0.33033 * std::sin(degrees(163.679 + 0.0010512 * t)) +
                               0.03439 * std::sin(degrees(34.486 - 0.0161731 * t)));
  a[kPhi] = degrees(199.6766 + 0.17379190 * t);
  a[kPsi] = degrees(316.5182 - 0.00000208 * t);
  a[kG] = degrees(30.23756 + 0.0830925701 * t) + gamma;
  a[kGPrime] = degrees(31.97853 + 0.0334597339 * t);
  a[kPerihelion] = degrees(13.469942);

  // The precession in longitude since B1950 (p. 311) refers the theory's
  // longitudes to the equinox of the date.
  const double t0 = (julianDayTT - 2433282.423) / 36525.0;
  const double precession = degrees((1.3966626 + 0.0003088 * t0) * t0);
  const double psi = a[kPsi] + precession;
  const double sinceJ1900 = (julianDayTT - 2415020.0) / 36525.0;
  const double equatorInclination = degrees(3.120262 + 0.0006 * sinceJ1900);
  const double sinceJ2000 = (julianDayTT - 2451545.0) / 36525.0;
  const double orbitInclination = degrees(
      1.303267 + (-0.0054965 + (0.00000466 - 0.000000002 * sinceJ2000) * sinceJ2000) * sinceJ2000);
  const double node = degrees(
      100.464407 + (1.0209774 + (0.00040315 + 0.000000404 * sinceJ2000) * sinceJ2000) * sinceJ2000);

  // From Jupiter's equator (x towards psi) to the ecliptic of the date.
  const double phi = psi - node;
  const auto toEcliptic = [&](const Vector3& v) {
    const double b1 = v.y * std::cos(equatorInclination) - v.z * std::sin(equatorInclination);
    const double c1 = v.y * std::sin(equatorInclination) + v.z * std::cos(equatorInclination);
    const double a2 = v.x * std::cos(phi) - b1 * std::sin(phi);
    const double b2 = v.x * std::sin(phi) + b1 * std::cos(phi);
    const double b3 = b2 * std::cos(orbitInclination) - c1 * std::sin(orbitInclination);
    const double c3 = b2 * std::sin(orbitInclination) + c1 * std::cos(orbitInclination);
    return Vector3{a2 * std::cos(node) - b3 * std::sin(node),
                   a2 * std::sin(node) + b3 * std::cos(node), c3};
  };

  Jovicentric result;
  for (std::size_t i = 0; i < kSeries.size(); ++i) {
    const MoonSeries& series = kSeries[i];
    const double ownL = a[kL1 + i];
    const double sigma = SumOfSines(series.longitude, a, 0) * kRadiansPerDegree;
    Arguments withOwn = a;
    withOwn[kOwnL] = ownL + sigma;
    const double latitude = std::atan(SumOfSines(series.latitude, withOwn, sigma));
    const double radius = series.semiMajorAxis * (1.0 + SumOfCosines(series.radius, a));
    const double longitude = ownL + sigma + precession - psi;
    result.radius[i] = radius;
    result.moons[i] = toEcliptic({radius * std::cos(longitude) * std::cos(latitude),
                                  radius * std::sin(longitude) * std::cos(latitude),
                                  radius * std::sin(latitude)});
  }
  result.pole = toEcliptic({0, 0, 1});
  return result;
}

// The sky as seen from one side of Jupiter: `toward` points from Jupiter to
// the observer; y along the pole's projection, x to the west, depth towards
// the observer. The polar axis is stretched to make the disc a circle.
struct SkyFrame {
  Vector3 west, north, toward;

  static SkyFrame Facing(const Vector3& toward, const Vector3& pole) {
    SkyFrame frame;
    frame.toward = Unit(toward);
    frame.north = Unit(pole + (-Dot(pole, frame.toward) * frame.toward));
    frame.west = Cross(frame.north, frame.toward);
    return frame;
  }
  JovianOffset Offset(const Vector3& v) const { return {Dot(v, west), Dot(v, north)}; }
};

// Whether an offset lies on Jupiter's oblate disc.
bool OnDisc(const JovianOffset& offset) {
  const double y = offset.y / kJupiterPolarRatio;
  return offset.x * offset.x + y * y < 1.0;
}

// Where the ray from `start` along `direction` first meets Jupiter's
// ellipsoid (the pole along `pole`), if it does.
std::optional<Vector3> FirstHit(const Vector3& start, const Vector3& direction,
                                const Vector3& pole) {
  // Stretch along the pole so the ellipsoid becomes the unit sphere.
  const double stretch = 1.0 / kJupiterPolarRatio - 1.0;
  const auto toSphere = [&](const Vector3& v) { return v + (Dot(v, pole) * stretch) * pole; };
  const Vector3 s = toSphere(start), d = toSphere(direction);
  const double a = Dot(d, d), b = 2 * Dot(s, d), c = Dot(s, s) - 1.0;
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return std::nullopt;
  const double distance = (-b - std::sqrt(discriminant)) / (2 * a);
  if (distance < 0) return std::nullopt;
  return start + distance * direction;
}

// Whether a point on the ellipsoid's surface faces the observer along
// `toward`: its outward normal, (x, y, z / c^2) with c the polar ratio and
// z along the pole, points that way.
bool FacesEarth(const Vector3& surface, const Vector3& pole, const Vector3& toward) {
  const double polarFactor = 1.0 / (kJupiterPolarRatio * kJupiterPolarRatio) - 1.0;
  const Vector3 normal = surface + (Dot(surface, pole) * polarFactor) * pole;
  return Dot(normal, toward) > 0;
}

}  // namespace

// The moons seen from the Earth (with Meeus's differential light time and
// perspective, 44.6 and 44.7) and from the Sun: from the Sun, a moon
// behind the disc is eclipsed, and one in front of it throws its shadow
// along the sunlight onto the globe, where the Earth sees that spot while
// it is on the hemisphere facing the Earth (before opposition a shadow
// reaches the globe a little beyond the limb the Earth sees, and comes into
// view a minute or more later: published ingresses are those).
std::array<GalileanMoonView, 4> GalileanMoonViews(const JupiterSight& sight) {
  const double earthDistance = Length(sight.fromEarth);
  const double sunDistance = Length(sight.fromSun);
  const Jovicentric jovicentric =
      JovicentricPositions(sight.julianDayTT, earthDistance / kLightAuPerDay);
  const SkyFrame fromEarth = SkyFrame::Facing(-1.0 * sight.fromEarth, jovicentric.pole);
  const SkyFrame fromSun = SkyFrame::Facing(-1.0 * sight.fromSun, jovicentric.pole);

  std::array<GalileanMoonView, 4> views;
  for (std::size_t i = 0; i < views.size(); ++i) {
    const Vector3& moon = jovicentric.moons[i];
    GalileanMoonView& view = views[i];

    const JovianOffset seen = fromEarth.Offset(moon);
    const double depth = Dot(moon, fromEarth.toward);
    const double along = seen.x / jovicentric.radius[i];
    const double lightTimeShift = std::fabs(depth) / kSeries[i].lightTimeFactor *
                                  std::sqrt(std::fmax(0.0, 1 - along * along));
    const double perspective = earthDistance / (earthDistance - depth / kRadiiPerAu);
    view.offset = {(seen.x + lightTimeShift) * perspective, seen.y * perspective};
    view.depth = depth;
    const bool onDisc = OnDisc(view.offset);
    view.inTransit = onDisc && depth > 0;
    view.occulted = onDisc && depth < 0;

    const JovianOffset sunward = fromSun.Offset(moon);
    const double sunDepth = Dot(moon, fromSun.toward);
    const double sunPerspective = sunDistance / (sunDistance - sunDepth / kRadiiPerAu);
    const bool inLine = OnDisc({sunward.x * sunPerspective, sunward.y * sunPerspective});
    view.eclipsed = inLine && sunDepth < 0;
    if (inLine && sunDepth > 0) {
      const std::optional<Vector3> spot = FirstHit(moon, -1.0 * fromSun.toward, jovicentric.pole);
      if (spot && FacesEarth(*spot, jovicentric.pole, fromEarth.toward)) {
        view.shadow = fromEarth.Offset(*spot);
      }
    }
  }
  return views;
}

}  // namespace celforo
