#include "calc/planet_positions.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

// A quadratic in t, Julian millennia from J2000.0.
using Quadratic = std::array<double, 3>;

// The mean elements of one body: the semi-major axis in au; the mean
// longitude, the longitude of perihelion, the inclination and the longitude
// of the ascending node in degrees at J2000 and arcseconds per millennium
// and per millennium squared; the eccentricity.
struct MeanElements {
  Quadratic a, meanLongitude, e, perihelion, inclination, node;
};

// The periodic terms added to the semi-major axis (in 1e-7 au) and to the
// mean longitude (in 1e-7 radians): coefficients of the cosine and sine of
// k * 0.35953620 t for each multiple k. The last term of a and the last two
// of the longitude are multiplied by t. All are whole numbers, kept as
// such: half the bytes of doubles in the page's download.
struct PeriodicTerms {
  std::array<std::int32_t, 9> aMultiple, aCosine, aSine;
  std::array<std::int32_t, 10> longitudeMultiple, longitudeCosine, longitudeSine;
};

// Simon et al. (1994), the mean elements and the periodic terms, in the order
// of OrbitingBody.
constexpr std::array<MeanElements, 8> kMeanElements{{
    {{0.3870983098, 0, 0},
     {252.25090552, 5381016286.88982, -1.92789},
     {0.2056317526, 0.0002040653, -28349e-10},
     {77.45611904, 5719.11590, -4.83016},
     {7.00498625, -214.25629, 0.28977},
     {48.33089304, -4515.21727, -31.79892}},
    {{0.7233298200, 0, 0},
     {181.97980085, 2106641364.33548, 0.59381},
     {0.0067719164, -0.0004776521, 98127e-10},
     {131.56370300, 175.48640, -498.48184},
     {3.39466189, -30.84437, -11.67836},
     {76.67992019, -10008.48154, -51.32614}},
    {{1.0000010178, 0, 0},
     {100.46645683, 1295977422.83429, -2.04411},
     {0.0167086342, -0.0004203654, -0.0000126734},
     {102.93734808, 11612.35290, 53.27577},
     {0, 469.97289, -3.35053},
     {174.87317577, -8679.27034, 15.34191}},
    {{1.5236793419, 3e-10, 0},
     {355.43299958, 689050774.93988, 0.94264},
     {0.0934006477, 0.0009048438, -80641e-10},
     {336.06023395, 15980.45908, -62.32800},
     {1.84972648, -293.31722, -8.11830},
     {49.55809321, -10620.90088, -230.57416}},
    {{5.2026032092, 19132e-10, -39e-10},
     {34.35151874, 109256603.77991, -30.60378},
     {0.0484979255, 0.0016322542, -0.0000471366},
     {14.33120687, 7758.75163, 259.95938},
     {1.30326698, -71.55890, 11.95297},
     {100.46440702, 6362.03561, 326.52178}},
    {{9.5549091915, -0.0000213896, 444e-10},
     {50.07744430, 43996098.55732, 75.61614},
     {0.0555481426, -0.0034664062, -0.0000643639},
     {93.05723748, 20395.49439, 190.25952},
     {2.48887878, 91.85195, -17.66225},
     {113.66550252, -9240.19942, -66.23743}},
    {{19.2184460618, -3716e-10, 979e-10},
     {314.05500511, 15424811.93933, -1.75083},
     {0.0463812221, -0.0002729293, 0.0000078913},
     {173.00529106, 3215.56238, -34.09288},
     {0.77319689, -60.72723, 1.25759},
     {74.00595701, 2669.15033, 145.93964}},
    {{30.1103868694, -16635e-10, 686e-10},
     {304.34866548, 7865503.20744, 0.21103},
     {0.0094557470, 0.0000603263, 0},
     {48.12027554, 1050.71912, 27.39717},
     {1.76995259, 8.12333, 0.08135},
     {131.78405702, -221.94322, -0.78728}},
}};

constexpr std::array<PeriodicTerms, 8> kPeriodicTerms{{
    {{69613, 75645, 88306, 59899, 15746, 71087, 142173, 3086, 0},
     {4, -13, 11, -9, -9, -3, -1, 4, 0},
     {-29, -1, 9, 6, -6, 5, 4, 0, 0},
     {3086, 15746, 69613, 59899, 75645, 88306, 12661, 2658, 0, 0},
     {21, -95, -157, 41, -5, 42, 23, 30, 0, 0},
     {-342, 136, -23, 62, 66, -52, -33, 17, 0, 0}},
    {{21863, 32794, 26934, 10931, 26250, 43725, 53867, 28939, 0},
     {-156, 59, -42, 6, 19, -20, -10, -12, 0},
     {-48, -125, -26, -37, 18, -13, -20, -2, 0},
     {21863, 32794, 10931, 73, 4387, 26934, 1473, 2157, 0, 0},
     {-160, -313, -235, 60, -74, -76, -27, 34, 0, 0},
     {524, -149, -35, 117, 151, 122, -71, -62, 0, 0}},
    {{16002, 21863, 32004, 10931, 14529, 16368, 15318, 32794, 0},
     {64, -152, 62, -8, 32, -41, 19, -11, 0},
     {-150, -46, 68, 54, 14, 24, -28, 22, 0},
     {10, 16002, 21863, 10931, 1473, 32004, 4387, 73, 0, 0},
     {-325, -322, -79, 232, -52, 97, 55, -41, 0, 0},
     {-105, -137, 258, 35, -116, -88, -112, -80, 0, 0}},
    {{6345, 7818, 15636, 7077, 8184, 14163, 1107, 4872, 0},
     {124, 621, -145, 208, 54, -57, 30, 15, 0},
     {-621, 532, -694, -20, 192, -94, 71, -73, 0},
     {10, 6345, 7818, 1107, 15636, 7077, 8184, 532, 10, 0},
     {2268, -979, 802, 602, -668, -33, 345, 201, -55, 0},
     {854, -205, -936, -240, 140, -341, -97, -232, 536, 0}},
    {{1760, 1454, 1167, 880, 287, 2640, 19, 2047, 1454},
     {-23437, -2634, 6601, 6259, -1507, -1821, 2620, -2115, -1489},
     {-14614, -19828, -5869, 1881, -4372, -2255, 782, 930, 913},
     {19, 1760, 1454, 287, 1167, 880, 574, 2640, 19, 1454},
     {7610, -4997, -7689, -5841, -2617, 1115, -748, -607, 6074, 354},
     {-56980, 8016, 1012, 1448, -3024, -3710, 318, 503, 3767, 577}},
    {{574, 0, 880, 287, 19, 1760, 1167, 306, 574},
     {62911, -119919, 79336, 17814, -24241, 12068, 8306, -4893, 8902},
     {139737, 0, 24667, 51123, -5102, 7429, -4095, -1976, -9566},
     {19, 574, 287, 306, 1760, 12, 31, 38, 19, 574},
     {-18549, 30125, 20012, -730, 824, 23, 1289, -352, -14767, -2062},
     {138606, -13478, -4964, 1441, -1319, -1482, 427, 1236, -9167, -1918}},
    {{204, 0, 177, 1265, 4, 385, 200, 208, 204},
     {389061, -262125, -44088, 8387, -22976, -2093, -615, -9720, 6633},
     {-138081, 0, 37205, -49039, -41901, -33872, -27037, -12474, 18797},
     {4, 204, 177, 8, 31, 200, 1265, 102, 4, 204},
     {-135245, -14594, 4197, -4030, -5630, -2898, 2540, -306, 2939, 1986},
     {71234, -41116, 5334, -4935, -1848, 66, 434, -1748, 3780, -701}},
    {{0, 102, 106, 4, 98, 1367, 487, 204, 0},
     {-412235, -157046, -31430, 37817, -9740, -13, -7449, 9644, 0},
     {0, 28492, 133236, 69654, 52322, -49577, -26430, -3593, 0},
     {4, 102, 106, 8, 98, 1367, 487, 204, 4, 102},
     {89948, 2103, 8963, 2695, 3682, 1648, 866, -154, -1963, -283},
     {-47645, 11647, 2166, 3194, 679, 0, -244, -419, -2531, 48}},
}};

// The fundamental frequency of the periodic terms, radians per millennium.
constexpr double kFrequency = 0.35953620;

constexpr double kDaysPerJulianMillennium = 365250.0;

// A value at t millennia: the constant plus the two terms in arcseconds,
// for the angles given as degrees and arcseconds; as it stands for a and e.
double AngleAt(const Quadratic& q, double t) {
  return (q[0] * 3600.0 + (q[1] + q[2] * t) * t) * kRadiansPerArcsecond;
}
double ValueAt(const Quadratic& q, double t) {
  return q[0] + (q[1] + q[2] * t) * t;
}

// The eccentric anomaly E of Kepler's equation M = E - e sin E, by Newton's
// method from the second-order E = M + e sin M (1 + e cos M): for e < 0.21 it
// reaches 1e-13 rad, a few centimetres, in at most four steps.
double EccentricAnomaly(double meanAnomaly, double e) {
  double anomaly = meanAnomaly + e * std::sin(meanAnomaly) * (1.0 + e * std::cos(meanAnomaly));
  for (int step = 0; step < 6; ++step) {
    const double correction =
        (anomaly - e * std::sin(anomaly) - meanAnomaly) / (1.0 - e * std::cos(anomaly));
    anomaly -= correction;
    if (std::fabs(correction) < 1e-13) break;
  }
  return anomaly;
}

}  // namespace

// The mean elements at the instant, with the periodic terms added to a and
// the mean longitude; Kepler's equation; then the position and velocity in
// the orbit's plane, from perihelion, turned into the ecliptic by the
// argument of perihelion, the inclination and the node. The velocity is the
// Keplerian one at the mean motion: the elements' own slow drift and the
// periodic terms, with periods of decades, add under 1e-4 of it.
OrbitalState HeliocentricState(OrbitingBody body, TerrestrialTime instant) {
  const auto index = static_cast<std::size_t>(body);
  const MeanElements& mean = kMeanElements[index];
  const PeriodicTerms& terms = kPeriodicTerms[index];
  const double t = (instant.julianDay() - kJ2000) / kDaysPerJulianMillennium;

  double a = ValueAt(mean.a, t);
  double longitude = AngleAt(mean.meanLongitude, t);
  const double argument = kFrequency * t;
  for (std::size_t k = 0; k < terms.aMultiple.size(); ++k) {
    const double phase = terms.aMultiple[k] * argument;
    const double term = terms.aCosine[k] * std::cos(phase) + terms.aSine[k] * std::sin(phase);
    a += (k == 8 ? t : 1.0) * term * 1e-7;
  }
  for (std::size_t k = 0; k < terms.longitudeMultiple.size(); ++k) {
    const double phase = terms.longitudeMultiple[k] * argument;
    const double term =
        terms.longitudeCosine[k] * std::cos(phase) + terms.longitudeSine[k] * std::sin(phase);
    longitude += (k >= 8 ? t : 1.0) * term * 1e-7;
  }

  const double e = ValueAt(mean.e, t);
  const double perihelion = AngleAt(mean.perihelion, t);
  const double inclination = AngleAt(mean.inclination, t);
  const double node = AngleAt(mean.node, t);
  // Radians per day, from the mean longitude's rate in arcseconds per millennium.
  const double meanMotion = (mean.meanLongitude[1] + 2.0 * mean.meanLongitude[2] * t) *
                            kRadiansPerArcsecond / kDaysPerJulianMillennium;

  const double meanAnomaly = Remainder(longitude - perihelion, 2.0 * std::numbers::pi);
  const double anomaly = EccentricAnomaly(meanAnomaly, e);
  const double cosE = std::cos(anomaly), sinE = std::sin(anomaly);
  const double minorRatio = std::sqrt(1.0 - e * e);
  const double inPlaneX = a * (cosE - e), inPlaneY = a * minorRatio * sinE;
  const double rate = a * meanMotion / (1.0 - e * cosE);  // a dE/dt
  const double speedX = -rate * sinE, speedY = rate * minorRatio * cosE;

  const double fromNode = perihelion - node;  // the argument of perihelion
  const double cosArgument = std::cos(fromNode), sinArgument = std::sin(fromNode);
  const double cosNode = std::cos(node), sinNode = std::sin(node);
  const double cosInclination = std::cos(inclination), sinInclination = std::sin(inclination);
  const Vector3 p{cosArgument * cosNode - sinArgument * sinNode * cosInclination,
                  cosArgument * sinNode + sinArgument * cosNode * cosInclination,
                  sinArgument * sinInclination};
  const Vector3 q{-sinArgument * cosNode - cosArgument * sinNode * cosInclination,
                  -sinArgument * sinNode + cosArgument * cosNode * cosInclination,
                  cosArgument * sinInclination};
  return {inPlaneX * p + inPlaneY * q, speedX * p + speedY * q};
}

Vector3 HeliocentricPosition(OrbitingBody body, TerrestrialTime instant) {
  return HeliocentricState(body, instant).position;
}

}  // namespace celforo
