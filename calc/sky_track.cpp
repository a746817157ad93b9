#include "calc/sky_track.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "calc/apparent_place.h"
#include "calc/astronomical_constants.h"
#include "calc/atmosphere.h"
#include "calc/sidereal_time.h"
#include "calc/sky_position.h"

namespace celforo {
namespace {

// The Moon's place curves enough in six hours for a cubic to miss it by
// seconds of arc; the others' by hundredths.
Days StepFor(Target target) {
  return target == Target::Moon ? Days(std::chrono::hours(3)) : Days(std::chrono::hours(6));
}
constexpr double kStandardRefraction = 34.0 / 60.0;  // degrees

}  // namespace

SkyTrack::SkyTrack(Target target, const Site& site, TimeSpan span)
    : target_(target),
      site_(site),
      span_(span),
      step_(StepFor(target)),
      first_(span.start - step_) {
  const UniversalTime middle = span.start + (span.end - span.start) / 2.0;
  equationOfEquinoxes_ = ApparentSiderealTime(middle) - MeanSiderealTime(middle);
  pressure_ = StandardPressure(site.height);
  const Vector3 axis =
      SiteVector(site, 0);  // at sidereal time 0: x from the axis, z from the equator
  rhoCos_ = axis.x;
  rhoSin_ = axis.z;
  sinLatitude_ = std::sin(site.latitude * kRadiansPerDegree);
  cosLatitude_ = std::cos(site.latitude * kRadiansPerDegree);
  const double intervals = std::ceil((span.end - first_) / step_) + 2.0;
  const auto count = static_cast<std::size_t>(std::max(intervals, 3.0)) + 1;
  const ApparentFrame frame = ApparentFrameAt(ToTerrestrial(middle));
  nodes_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const UniversalTime node = first_ + static_cast<double>(i) * step_;
    nodes_.push_back(ApparentGeocentricVector(target, ToTerrestrial(node), frame));
  }
}

// Lagrange's cubic through the four nodes around the instant (the two on
// each side, fewer at the ends).
Vector3 SkyTrack::Interpolated(UniversalTime instant) const {
  const double position = (instant - first_) / step_;
  const double last = static_cast<double>(nodes_.size() - 4);
  const double base = std::clamp(std::floor(position) - 1.0, 0.0, last);
  const auto i = static_cast<std::size_t>(base);
  const double x = position - base;  // 1..2 inside
  const double w0 = -(x - 1) * (x - 2) * (x - 3) / 6.0;
  const double w1 = x * (x - 2) * (x - 3) / 2.0;
  const double w2 = -x * (x - 1) * (x - 3) / 2.0;
  const double w3 = x * (x - 1) * (x - 2) / 6.0;
  return w0 * nodes_[i] + w1 * nodes_[i + 1] + w2 * nodes_[i + 2] + w3 * nodes_[i + 3];
}

// The place less the site's position, turned by the local sidereal time so
// that x points to the meridian: then the hour angle is atan2(-y, x) and the
// altitude's sine (sin phi z + cos phi x) / r (Meeus (13.6) in vectors).
SkyTrack::Local SkyTrack::LocalAt(UniversalTime instant) const {
  const double localSidereal =
      (MeanSiderealTime(instant) + equationOfEquinoxes_ + site_.longitude) * kRadiansPerDegree;
  const double c = std::cos(localSidereal), s = std::sin(localSidereal);
  const Vector3 place = Interpolated(instant);
  const double x = place.x * c + place.y * s - rhoCos_;
  const double y = -place.x * s + place.y * c;
  const double z = place.z - rhoSin_;
  Local local;
  local.distance = std::sqrt(x * x + y * y + z * z);
  local.hourAngle = std::atan2(-y, x) * kDegreesPerRadian;
  local.declination = std::asin(z / local.distance) * kDegreesPerRadian;
  local.trueAltitude =
      std::asin((sinLatitude_ * z + cosLatitude_ * x) / local.distance) * kDegreesPerRadian;
  return local;
}

double SkyTrack::ApparentAltitude(UniversalTime instant) const {
  const double altitude = LocalAt(instant).trueAltitude;
  return altitude + Refraction(altitude, pressure_);
}

double SkyTrack::RisingAltitude(UniversalTime instant) const {
  if (target_ != Target::Sun && target_ != Target::Moon) return -kStandardRefraction;
  return RisingAltitude(LocalAt(instant));
}

double SkyTrack::RisingAltitude(const Local& local) const {
  if (target_ != Target::Sun && target_ != Target::Moon) return -kStandardRefraction;
  const double semiDiameter =
      std::asin(RecordOf(target_).radius / local.distance) * kDegreesPerRadian;
  return -kStandardRefraction - semiDiameter;
}

}  // namespace celforo
