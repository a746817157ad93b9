// Apparent places: where the Sun, the Moon and the planets are seen from the
// Earth's centre, referred to the true equator and equinox of the date, with
// light time, annual aberration, precession and nutation's main terms
// applied (J. Meeus, "Astronomical Algorithms", 2nd ed., 1998, chapters 21
// to 23 and 33).
#pragma once

#include "calc/targets.h"
#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

// Right ascension and declination in degrees and the distance in kilometres.
struct Equatorial {
  double rightAscension = 0;  // 0..360
  double declination = 0;
  double distance = 0;
};

// The apparent geocentric place of a body: Meeus's example 33.a, Venus at
// 1992-12-20 00:00 TT, is at 21h04m41.454s (316.172725 degrees), -18 53'
// 16.84", 0.910947 au. The Moon's is Meeus's series with nutation added
// (example 47.a: 134.688470, 13.768368 at 1992-04-12 00:00 TT).
Equatorial ApparentPlace(Target target, TerrestrialTime instant);

// The same place as a vector from the Earth's centre, in kilometres, in the
// true equator and equinox of the date: x towards the equinox, z towards the
// pole.
Vector3 ApparentGeocentricVector(Target target, TerrestrialTime instant);

// What an apparent place takes from the Earth's motion and axis at an
// instant: the rotation from the J2000 ecliptic to the true equator of
// date, nutation and the true obliquity, and the Earth's velocity. They
// change so slowly that one frame serves every place within a day or two of
// its instant to a few tenths of an arcsecond, as SkyTrack uses it.
struct ApparentFrame {
  Rotation toTrueEquator;
  double nutationInLongitude = 0;  // radians
  double trueObliquity = 0;        // radians
  Vector3 earthVelocity;           // au per day, ecliptic of J2000
};
ApparentFrame ApparentFrameAt(TerrestrialTime instant);

// ApparentGeocentricVector with a frame made for a nearby instant.
Vector3 ApparentGeocentricVector(Target target, TerrestrialTime instant,
                                 const ApparentFrame& frame);

// A vector's right ascension (0..360) and declination in degrees, and its
// length: (0, 1, 1) is 90, 45, 1.414...
Equatorial EquatorialOf(const Vector3& vector);

}  // namespace celforo
