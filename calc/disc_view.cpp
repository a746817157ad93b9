#include "calc/disc_view.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"
#include "calc/planet_rotation.h"
#include "calc/precession_nutation.h"
#include "calc/solar_system.h"

namespace celforo {
namespace {

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The angle between two vectors, in degrees.
double AngleBetween(const Vector3& a, const Vector3& b) {
  return std::atan2(Length(Cross(a, b)), Dot(a, b)) * kDegreesPerRadian;
}

std::optional<Meridian> PoleOf(Target target) {
  switch (target) {
    case Target::Mars: return Meridian::Mars;
    case Target::Jupiter: return Meridian::JupiterSystemII;
    case Target::Saturn: return Meridian::Saturn;
    default: return std::nullopt;
  }
}

}  // namespace

double PositionAngle(const Vector3& at, const Vector3& towards) {
  const Vector3 direction = (1.0 / Length(at)) * at;
  const Vector3 north = Vector3{0, 0, 1} - direction.z * direction;
  const Vector3 east = Cross(north, direction);
  return WithinOneTurn(std::atan2(Dot(towards, east), Dot(towards, north)) * kDegreesPerRadian);
}

// Everything is seen along the light-time-corrected line from the observer:
// the phase from the angle at the body between the observer and the Sun
// (Meeus 41.1 and 48.2, here from vectors), the bright limb from the Sun's
// direction from the body projected on the sky (the same angle as 48.5),
// the poles carried from the J2000 equator to the true equator of the date
// as the positions are.
DiscView DiscViewOf(Target target, TerrestrialTime instant, const Vector3& observer) {
  const GeocentricPlace place = GeocentricPlaceOf(target, instant);
  const Vector3 seen = place.geocentric - observer;  // ecliptic of J2000
  DiscView view;
  if (target == Target::Sun) return view;

  const Vector3 toSun = -1.0 * place.heliocentric;
  view.phaseAngle = AngleBetween(-1.0 * seen, toSun);
  view.illuminatedFraction = (1.0 + std::cos(view.phaseAngle * kRadiansPerDegree)) / 2.0;

  const Rotation toDate = EclipticJ2000ToTrueEquator(instant);
  const Vector3 seenOfDate = toDate * seen;
  view.brightLimbAngle = PositionAngle(seenOfDate, toDate * toSun);

  const std::optional<Meridian> pole = PoleOf(target);
  if (!pole) return view;
  // The J2000 equator to the J2000 ecliptic, then on to the date.
  const Rotation equatorToEcliptic = RotationAboutX(kObliquityJ2000Degrees * kRadiansPerDegree);
  const Rotation eclipticToEquator = Transposed(equatorToEcliptic);
  const double emitted = instant.julianDay() - place.lightTime;
  const Vector3 poleJ2000 = NorthPole(*pole, emitted);
  view.northPoleAngle = PositionAngle(seenOfDate, toDate * equatorToEcliptic * poleJ2000);

  const Vector3 toObserver = eclipticToEquator * (-1.0 * seen);
  if (target == Target::Saturn) {
    view.ringTilt =
        std::asin(Dot(poleJ2000, (1.0 / Length(toObserver)) * toObserver)) * kDegreesPerRadian;
  } else if (target == Target::Mars) {
    view.centralMeridian = CentralMeridian(Meridian::Mars, toObserver, emitted);
  } else {
    view.systemI = CentralMeridian(Meridian::JupiterSystemI, toObserver, emitted);
    view.systemII = CentralMeridian(Meridian::JupiterSystemII, toObserver, emitted);
  }
  return view;
}

}  // namespace celforo
