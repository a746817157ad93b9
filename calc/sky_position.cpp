#include "calc/sky_position.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/astronomical_constants.h"
#include "calc/atmosphere.h"
#include "calc/sidereal_time.h"

namespace celforo {

// Meeus (11.2) to (11.4): u from the flattening, then rho sin phi' and
// rho cos phi' with the height over the equatorial radius.
Vector3 SiteVector(const Site& site, double localSiderealTime) {
  const double latitude = site.latitude * kRadiansPerDegree;
  const double axisRatio = 1.0 - kEarthFlattening;
  const double u = std::atan(axisRatio * std::tan(latitude));
  const double heightRatio = site.height / 1000.0 / kEarthEquatorialRadiusKm;
  const double rhoSin = axisRatio * std::sin(u) + heightRatio * std::sin(latitude);
  const double rhoCos = std::cos(u) + heightRatio * std::cos(latitude);
  const double angle = localSiderealTime * kRadiansPerDegree;
  return kEarthEquatorialRadiusKm *
         Vector3{rhoCos * std::cos(angle), rhoCos * std::sin(angle), rhoSin};
}

Horizontal HorizontalOf(double hourAngle, double declination, double latitude) {
  const double h = hourAngle * kRadiansPerDegree;
  const double d = declination * kRadiansPerDegree;
  const double phi = latitude * kRadiansPerDegree;
  Horizontal horizontal;
  // Meeus's azimuth runs from the south; turned half a circle, from the north.
  const double fromSouth =
      std::atan2(std::sin(h), std::cos(h) * std::sin(phi) - std::tan(d) * std::cos(phi));
  horizontal.azimuth = std::fmod(fromSouth * kDegreesPerRadian + 540.0, 360.0);
  horizontal.altitude =
      std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h)) *
      kDegreesPerRadian;
  return horizontal;
}

double ParallacticAngle(double hourAngle, double declination, double latitude) {
  const double h = hourAngle * kRadiansPerDegree;
  const double d = declination * kRadiansPerDegree;
  const double phi = latitude * kRadiansPerDegree;
  return std::atan2(std::sin(h), std::tan(phi) * std::cos(d) - std::sin(d) * std::cos(h)) *
         kDegreesPerRadian;
}

SkyPosition PositionFromSite(Target target, const Site& site, UniversalTime instant) {
  const TerrestrialTime tt = ToTerrestrial(instant);
  const double localSidereal = ApparentSiderealTime(instant) + site.longitude;
  const Vector3 seen = ApparentGeocentricVector(target, tt) - SiteVector(site, localSidereal);
  SkyPosition position;
  position.topocentric = EquatorialOf(seen);
  position.hourAngle = Remainder(localSidereal - position.topocentric.rightAscension, 360.0);
  const Horizontal horizontal =
      HorizontalOf(position.hourAngle, position.topocentric.declination, site.latitude);
  position.trueAltitude = horizontal.altitude;
  position.azimuth = horizontal.azimuth;
  position.pressure = StandardPressure(site.height);
  position.altitude = position.trueAltitude + Refraction(position.trueAltitude, position.pressure);
  position.parallacticAngle =
      ParallacticAngle(position.hourAngle, position.topocentric.declination, site.latitude);
  return position;
}

}  // namespace celforo
