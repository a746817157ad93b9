#include "calc/planet_rotation.h"

#include <cmath>
#include <cstddef>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"

namespace celforo {
namespace {

const RotationElements& ElementsOf(Meridian body) {
  return kRotationElements[static_cast<std::size_t>(body)];
}

}  // namespace

Vector3 NorthPole(Meridian body, double julianDayTT) {
  const RotationElements& e = ElementsOf(body);
  const double centuries = (julianDayTT - kJ2000) / kDaysPerJulianCentury;
  const double ra =
      (e.poleRightAscension + e.poleRightAscensionPerCentury * centuries) * kRadiansPerDegree;
  const double dec =
      (e.poleDeclination + e.poleDeclinationPerCentury * centuries) * kRadiansPerDegree;
  return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

// W counts along the body's equator, in the sense of its rotation, from the
// equator's ascending node on the J2000 equator (at right ascension alpha0 +
// 90 degrees) to the prime meridian; the meridian facing a direction that
// lies theta beyond the node has west longitude W - theta.
double CentralMeridian(Meridian body, const Vector3& toObserver, double emittedTT) {
  const RotationElements& e = ElementsOf(body);
  const Vector3 pole = NorthPole(body, emittedTT);
  const double nodeLength = std::hypot(pole.x, pole.y);
  const Vector3 node{-pole.y / nodeLength, pole.x / nodeLength, 0};
  // pole x node, the equator's direction 90 degrees beyond the node.
  const Vector3 beyond{pole.y * node.z - pole.z * node.y, pole.z * node.x - pole.x * node.z,
                       pole.x * node.y - pole.y * node.x};
  const double theta = std::atan2(Dot(toObserver, beyond), Dot(toObserver, node));
  const double w = e.primeMeridian + e.primeMeridianPerDay * (emittedTT - kJ2000);
  return WithinOneTurn(w - theta * kDegreesPerRadian);
}

}  // namespace celforo
