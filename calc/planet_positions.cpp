#include "calc/planet_positions.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace celforo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
// The speed of light in astronomical units per day: 299792.458 km/s over
// 149597870.7 km, times 86400 s.
constexpr double kLightAuPerDay = 299792.458 * 86400.0 / 149597870.7;

// One row of Table 1: the elements at J2000.0 and their rates per Julian
// century. a in au, e, then I, L, the longitude of perihelion and the
// longitude of the ascending node in degrees.
struct Elements {
  double a, e, inclination, meanLongitude, perihelionLongitude, nodeLongitude;
};

struct ElementsAndRates {
  Elements atJ2000;
  Elements perCentury;
};

// E. M. Standish, JPL, "Keplerian Elements for Approximate Positions of the
// Major Planets", Table 1 (1800 AD - 2050 AD), in the order of OrbitingBody.
constexpr std::array<ElementsAndRates, 8> kTable1{{
    {{0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593},
     {0.00000037, 0.00001906, -0.00594749, 149472.67411175, 0.16047689, -0.12534081}},
    {{0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255},
     {0.00000390, -0.00004107, -0.00078890, 58517.81538729, 0.00268329, -0.27769418}},
    {{1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0},
     {0.00000562, -0.00004392, -0.01294668, 35999.37244981, 0.32327364, 0.0}},
    {{1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891},
     {0.00001847, 0.00007882, -0.00813131, 19140.30268499, 0.44441088, -0.29257343}},
    {{5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909},
     {-0.00011607, -0.00013253, -0.00183714, 3034.74612775, 0.21252668, 0.20469106}},
    {{9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448},
     {-0.00125060, -0.00050991, 0.00193609, 1222.49362201, -0.41897216, -0.28867794}},
    {{19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503},
     {-0.00196176, -0.00004397, -0.00242939, 428.48202785, 0.40805281, 0.04240589}},
    {{30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574},
     {0.00026291, 0.00005105, 0.00035372, 218.45945325, -0.32241464, -0.00508664}},
}};

// The angle, in radians, brought into -pi..pi.
double Centred(double radians) {
  constexpr double kTurn = 2.0 * std::numbers::pi;
  return radians - kTurn * std::nearbyint(radians / kTurn);
}

// The eccentric anomaly E of Kepler's equation M = E - e sin E, by Newton's
// method from E = M + e sin M; for e < 0.21 it converges to 1e-15 rad in at
// most five steps.
double EccentricAnomaly(double meanAnomaly, double e) {
  double anomaly = meanAnomaly + e * std::sin(meanAnomaly);
  for (int step = 0; step < 8; ++step) {
    const double correction =
        (anomaly - e * std::sin(anomaly) - meanAnomaly) / (1.0 - e * std::cos(anomaly));
    anomaly -= correction;
    if (std::fabs(correction) < 1e-14) break;
  }
  return anomaly;
}

}  // namespace

Vector3 operator-(const Vector3& a, const Vector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double Length(const Vector3& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// Standish's steps: the elements at the instant, the argument of perihelion
// and the mean anomaly, Kepler's equation, the position in the orbital plane,
// then its rotation into the ecliptic.
Vector3 HeliocentricPosition(OrbitingBody body, double centuries) {
  const ElementsAndRates& row = kTable1[static_cast<std::size_t>(body)];
  const auto at = [&](double Elements::*element) {
    return row.atJ2000.*element + row.perCentury.*element * centuries;
  };
  const double a = at(&Elements::a);
  const double e = at(&Elements::e);
  const double inclination = at(&Elements::inclination) * kRadiansPerDegree;
  const double perihelion = at(&Elements::perihelionLongitude) * kRadiansPerDegree;
  const double node = at(&Elements::nodeLongitude) * kRadiansPerDegree;
  const double meanAnomaly = Centred(at(&Elements::meanLongitude) * kRadiansPerDegree - perihelion);
  const double argument = perihelion - node;

  const double anomaly = EccentricAnomaly(meanAnomaly, e);
  const double inPlaneX = a * (std::cos(anomaly) - e);
  const double inPlaneY = a * std::sqrt(1.0 - e * e) * std::sin(anomaly);

  const double cosArgument = std::cos(argument), sinArgument = std::sin(argument);
  const double cosNode = std::cos(node), sinNode = std::sin(node);
  const double cosInclination = std::cos(inclination), sinInclination = std::sin(inclination);
  return {
      (cosArgument * cosNode - sinArgument * sinNode * cosInclination) * inPlaneX +
          (-sinArgument * cosNode - cosArgument * sinNode * cosInclination) * inPlaneY,
      (cosArgument * sinNode + sinArgument * cosNode * cosInclination) * inPlaneX +
          (-sinArgument * sinNode + cosArgument * cosNode * cosInclination) * inPlaneY,
      sinArgument * sinInclination * inPlaneX + cosArgument * sinInclination * inPlaneY,
  };
}

// The light time is found by iteration, each round shrinking its error by the
// ratio of the planets' speeds to light's: after two the position is right
// to well under a kilometre.
Vector3 GeocentricPosition(OrbitingBody body, double julianDay) {
  const double centuries = (julianDay - kJ2000) / kDaysPerCentury;
  const Vector3 earth = HeliocentricPosition(OrbitingBody::EarthMoonBarycentre, centuries);
  Vector3 seen = HeliocentricPosition(body, centuries) - earth;
  for (int round = 0; round < 2; ++round) {
    const double lightDays = Length(seen) / kLightAuPerDay;
    seen = HeliocentricPosition(body, centuries - lightDays / kDaysPerCentury) - earth;
  }
  return seen;
}

}  // namespace celforo
