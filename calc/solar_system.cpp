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

// The Moon's rough vector, for the Earth's offset: precessed to J2000 by the
// general precession in longitude alone (Meeus (21.5)'s p), the ecliptic's
// own slow turn moving it by under 50 metres here.
Vector3 RoughMoonVector(TerrestrialTime instant) {
  const LunarPosition moon = RoughMoonPosition(instant);
  const double t = JulianCenturies(instant);
  const double precession = (5029.0966 + 1.11113 * t) * t * kRadiansPerArcsecond;
  return FromSpherical(moon.longitude * kRadiansPerDegree - precession,
                       moon.latitude * kRadiansPerDegree, moon.distance / kKilometresPerAu);
}

Vector3 EarthFromMoon(TerrestrialTime instant, const Vector3& moon) {
  return HeliocentricPosition(OrbitingBody::EarthMoonBarycentre, instant) -
         (1.0 / (1.0 + kEarthMoonMassRatio)) * moon;
}

}  // namespace

Vector3 EarthPosition(TerrestrialTime instant) {
  return EarthFromMoon(instant, RoughMoonVector(instant));
}

// The Moon's series give its geometric place (its light takes 1.3 s); the
// Sun sits at the origin of the heliocentric frame; a planet's light time is
// found by iteration, each round shrinking its error by the ratio of the
// planets' speeds to light's, the planet carried back along its velocity:
// over the light's minutes to hours the orbit's curvature moves it by under
// 5 km.
GeocentricPlace GeocentricPlaceOf(Target target, TerrestrialTime instant) {
  GeocentricPlace place;
  if (target == Target::Moon) {
    const Vector3 moon = MoonVector(instant);
    place.earth = EarthFromMoon(instant, moon);
    place.geocentric = moon;
    place.heliocentric = place.earth + moon;
  } else if (target == Target::Sun) {
    place.earth = EarthPosition(instant);
    place.geocentric = -1.0 * place.earth;
  } else {
    place.earth = EarthPosition(instant);
    const OrbitalState planet = HeliocentricState(PlanetOf(target), instant);
    place.geocentric = planet.position - place.earth;
    for (int round = 0; round < 2; ++round) {
      const double lightTime = Length(place.geocentric) / kLightAuPerDay;
      place.heliocentric = planet.position - lightTime * planet.velocity;
      place.geocentric = place.heliocentric - place.earth;
    }
  }
  place.lightTime = Length(place.geocentric) / kLightAuPerDay;
  return place;
}

}  // namespace celforo
