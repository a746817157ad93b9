#include "calc/solar_system.h"

#include "calc/astronomical_constants.h"
#include "calc/lunar_position.h"
#include "calc/planet_positions.h"
#include "calc/precession_nutation.h"

namespace celforo {
namespace {

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

// The Moon's geocentric vector in au, mean ecliptic and equinox of J2000.
Vector3 MoonVector(TerrestrialTime instant) {
  const LunarPosition moon = MoonPosition(instant);
  const Vector3 ofDate =
      FromSpherical(moon.longitude * kRadiansPerDegree, moon.latitude * kRadiansPerDegree,
                    moon.distance / kKilometresPerAu);
  return EclipticOfDateToJ2000(instant) * ofDate;
}

Vector3 EarthFromMoon(TerrestrialTime instant, const Vector3& moon) {
  return HeliocentricPosition(OrbitingBody::EarthMoonBarycentre, instant) -
         (1.0 / (1.0 + kEarthMoonMassRatio)) * moon;
}

}  // namespace

Vector3 EarthPosition(TerrestrialTime instant) {
  return EarthFromMoon(instant, MoonVector(instant));
}

// The Moon's series give its geometric place (its light takes 1.3 s); the
// Sun sits at the origin of the heliocentric frame; a planet's light time is
// found by iteration, each round shrinking its error by the ratio of the
// planets' speeds to light's: after one the position is right to a few
// kilometres.
GeocentricPlace GeocentricPlaceOf(Target target, TerrestrialTime instant) {
  const Vector3 moon = MoonVector(instant);
  GeocentricPlace place;
  place.earth = EarthFromMoon(instant, moon);
  if (target == Target::Moon) {
    place.geocentric = moon;
    place.heliocentric = place.earth + moon;
  } else if (target == Target::Sun) {
    place.geocentric = -1.0 * place.earth;
  } else {
    const OrbitingBody body = PlanetOf(target);
    place.heliocentric = HeliocentricPosition(body, instant);
    place.geocentric = place.heliocentric - place.earth;
    const double lightTime = Length(place.geocentric) / kLightAuPerDay;
    place.heliocentric = HeliocentricPosition(body, instant - Days(lightTime));
    place.geocentric = place.heliocentric - place.earth;
  }
  place.lightTime = Length(place.geocentric) / kLightAuPerDay;
  return place;
}

}  // namespace celforo
