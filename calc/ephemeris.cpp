#include "calc/ephemeris.h"

#include <cmath>
#include <numbers>

#include "calc/date_time.h"
#include "calc/lunar_distance.h"
#include "calc/planet_positions.h"
#include "calc/saturn_ring_tilt.h"

namespace celforo {
namespace {

constexpr double kKilometresPerAu = 149597870.7;
constexpr double kArcsecondsPerRadian = 648000.0 / std::numbers::pi;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;

// The exact angle a sphere of `radius` subtends at `distance`, in arcseconds.
double AngularDiameter(double radius, double distance) {
  return 2.0 * std::atan(radius / distance) * kArcsecondsPerRadian;
}

OrbitingBody PlanetOf(Target target) {
  switch (target) {
    case Target::Mercury: return OrbitingBody::Mercury;
    case Target::Venus: return OrbitingBody::Venus;
    case Target::Mars: return OrbitingBody::Mars;
    case Target::Jupiter: return OrbitingBody::Jupiter;
    case Target::Saturn: return OrbitingBody::Saturn;
    case Target::Uranus: return OrbitingBody::Uranus;
    case Target::Neptune: return OrbitingBody::Neptune;
    case Target::Sun:
    case Target::Moon: break;
  }
  return OrbitingBody::EarthMoonBarycentre;  // not reached: the Sun and the Moon are handled apart
}

}  // namespace

// The Sun: the length of the barycentre's heliocentric radius vector. The
// Moon: Meeus's series. The planets: the light-time-corrected position from
// JPL's elements less the barycentre's; Saturn's rings from the same vector.
std::optional<TargetSize> ApparentSize(Target target, double julianDay) {
  if (!InEphemerisRange(julianDay)) return std::nullopt;
  const TargetRecord& record = RecordOf(target);
  TargetSize size;
  if (target == Target::Sun) {
    const double centuries = (julianDay - kJ2000) / kDaysPerCentury;
    size.distance = Length(HeliocentricPosition(OrbitingBody::EarthMoonBarycentre, centuries)) *
                    kKilometresPerAu;
  } else if (target == Target::Moon) {
    size.distance = LunarDistance(julianDay);
  } else {
    const Vector3 seen = GeocentricPosition(PlanetOf(target), julianDay);
    size.distance = Length(seen) * kKilometresPerAu;
    if (record.ringsRadius > 0) {
      size.ringsDiameter = AngularDiameter(record.ringsRadius, size.distance);
      size.ringTilt = SaturnRingTilt(seen, julianDay);
    }
  }
  size.diameter = AngularDiameter(record.radius, size.distance);
  return size;
}

}  // namespace celforo
