// A target's apparent place over a stretch of time, computed at instants
// some hours apart and interpolated between them, so that its altitude from
// a site can be asked for at the many instants a search for its rising, or
// a night's curve, needs, each for the cost of a few sines.
#pragma once

#include <vector>

#include "calc/site.h"
#include "calc/targets.h"
#include "calc/time_scale.h"
#include "calc/vector3.h"

namespace celforo {

class SkyTrack {
public:
  // The target seen from the site over `span` (and an interval beyond each
  // end, for the interpolation); within it the interpolated place follows
  // PositionFromSite's to within an arcsecond.
  SkyTrack(Target target, const Site& site, TimeSpan span);

  Target target() const { return target_; }
  const Site& site() const { return site_; }
  TimeSpan span() const { return span_; }

  // Where the target stands from the site at an instant in the span.
  struct Local {
    double trueAltitude = 0;  // topocentric, without refraction, degrees
    double hourAngle = 0;     // degrees, west positive, -180..180
    double declination = 0;   // topocentric, degrees
    double distance = 0;      // from the site, km
  };
  Local LocalAt(UniversalTime instant) const;

  // The topocentric altitude with refraction at the site's standard pressure
  // (sky_position's rule), degrees.
  double ApparentAltitude(UniversalTime instant) const;

  // The almanacs' horizon for the target's centre at an instant: the Sun's
  // and the Moon's upper limb on a level horizon with 34' of refraction,
  // -34' less their semi-diameter seen from the site; a planet's centre at
  // -34'. A true altitude, degrees.
  double RisingAltitude(UniversalTime instant) const;
  // The same for a place LocalAt has given.
  double RisingAltitude(const Local& local) const;

private:
  Vector3 Interpolated(UniversalTime instant) const;

  Target target_;
  Site site_;
  TimeSpan span_;
  Days step_;                       // between nodes
  UniversalTime first_;             // the first node
  double equationOfEquinoxes_ = 0;  // degrees, at the middle of the span
  double pressure_ = 0;             // hPa
  double rhoCos_ = 0, rhoSin_ = 0;  // the site from the Earth's axis and equator, km
  double sinLatitude_ = 0, cosLatitude_ = 0;
  std::vector<Vector3> nodes_;  // apparent geocentric places, km, true equator of date
};

}  // namespace celforo
