// Where a target stands in the sky of a site at an instant: its topocentric
// place (the Moon's parallax reaches a degree), altitude and azimuth, the
// refraction that lifts it, and the parallactic angle, the direction of the
// zenith on the sky, along which the air spreads its colours.
#pragma once

#include "calc/apparent_place.h"
#include "calc/site.h"
#include "calc/targets.h"
#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

struct SkyPosition {
  double altitude = 0;          // apparent: topocentric and refracted, degrees
  double trueAltitude = 0;      // topocentric, without refraction
  double azimuth = 0;           // from north through east, 0..360
  double hourAngle = 0;         // local hour angle, west positive, -180..180
  double parallacticAngle = 0;  // from the north through the east to the zenith, -180..180
  Equatorial topocentric;       // apparent place seen from the site, distance in km
  double pressure = 0;          // the site's standard pressure, hPa, the refraction's
};

// The target seen from the site: the apparent geocentric place at the
// instant's TT, less the site's own position (Meeus chapter 11's rho sin
// phi' and rho cos phi' at the apparent sidereal time), turned to the
// horizon (Meeus (13.5) and (13.6), the azimuth counted from the north), then
// refracted by Saemundsson's formula at the site's standard pressure.
// Jupiter from 29 N, 81 W on 2025-01-25 at 00:00 UT stands at 65.06 degrees,
// azimuth 101.05 (JPL Horizons: 65.0601, 101.0561).
SkyPosition PositionFromSite(Target target, const Site& site, UniversalTime instant);

// The pieces, for a place already computed. The site's position from the
// Earth's centre in kilometres, in the true equator of the date at a local
// apparent sidereal time in degrees: at Palomar (33 21' 22" N, 1706 m)
// rho sin phi' is 0.546861 and rho cos phi' 0.836339 Earth radii (Meeus
// 11.a).
Vector3 SiteVector(const Site& site, double localSiderealTime);

// Altitude and azimuth in degrees of a declination at an hour angle from a
// latitude, all in degrees; the azimuth from north through east: Venus at
// hour angle 64.352133 and declination -6.719892 from 38.921389 N stands
// 15.1249 high at azimuth 248.0337 (Meeus example 13.b).
struct Horizontal {
  double altitude = 0;
  double azimuth = 0;
};
Horizontal HorizontalOf(double hourAngle, double declination, double latitude);

// The parallactic angle q in degrees, Meeus (14.1): 0 on the meridian,
// negative east of it, positive west, in the northern hemisphere.
double ParallacticAngle(double hourAngle, double declination, double latitude);

}  // namespace celforo
