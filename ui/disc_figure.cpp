#include "ui/disc_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/lit_disc.h"
#include "ui/shape_points.h"

namespace celforo {
namespace {

constexpr double kRadian = std::numbers::pi / 180;
constexpr double kSaturnPolarRatio = 54364.0 / 60268.0;

constexpr double kJupiterRadius = 71492;            // km, equatorial
constexpr double kRedSpotLength = 16350;            // km, east to west
constexpr double kRedSpotWidth = 12000;             // km, south to north
constexpr double kRedSpotLatitude = -22 * kRadian;  // planetographic

// The components of `v` along the disc's equator (towards the west) and
// its pole.
struct Axes {
  PicturePoint west, north;
};

Axes AxesOf(const DiscFrame& disc) {
  return {TowardsAngle(disc.pole - 90), TowardsAngle(disc.pole)};
}

}  // namespace

double PolarRatio(Target target) {
  switch (target) {
    case Target::Jupiter: return kJupiterPolarRatio;
    case Target::Saturn: return kSaturnPolarRatio;
    default: return 1;
  }
}

double ApparentPolarRatio(double polarRatio, double latitude) {
  const double s = std::sin(latitude * kRadian), c = std::cos(latitude * kRadian);
  return std::sqrt(s * s + polarRatio * polarRatio * c * c);
}

PicturePoint TowardsAngle(double angle) {
  return {-std::sin(angle * kRadian), -std::cos(angle * kRadian)};
}

PicturePoint OnDisc(const DiscFrame& disc, JovianOffset offset) {
  const Axes axes = AxesOf(disc);
  return {disc.centre.x + disc.radius * (offset.x * axes.west.x + offset.y * axes.north.x),
          disc.centre.y + disc.radius * (offset.x * axes.west.y + offset.y * axes.north.y)};
}

EllipseShape DiscOutline(const DiscFrame& disc, Role fill) {
  return EllipseShape{disc.centre.x, disc.centre.y, disc.radius, disc.radius * disc.polarRatio,
                      fill,          std::nullopt,  0,           EllipsePart::Whole,
                      disc.pole};
}

std::vector<PicturePoint> LitPart(const DiscFrame& disc, double illuminated, double brightLimb) {
  std::vector<PicturePoint> outline =
      LitDiscOutline(disc.centre, disc.radius, illuminated, brightLimb);
  if (disc.polarRatio == 1) return outline;
  // Each point's part along the pole shrinks by the polar ratio.
  const PicturePoint north = AxesOf(disc).north;
  for (PicturePoint& point : outline) {
    const double dx = point.x - disc.centre.x, dy = point.y - disc.centre.y;
    const double along = (dx * north.x + dy * north.y) * (disc.polarRatio - 1);
    point.x += along * north.x;
    point.y += along * north.y;
  }
  return outline;
}

std::optional<EllipseShape> RedSpotOval(const DiscFrame& disc, double longitude,
                                        double centralMeridian) {
  // The spot's centre on the spheroid by its parametric latitude b (tan b =
  // q tan planetographic latitude): (cos b, q sin b) in equatorial radii,
  // turned by its longitude from the central meridian.
  const double q = kJupiterPolarRatio;
  const double b = std::atan(q * std::tan(kRedSpotLatitude));
  const double east = (longitude - centralMeridian) * kRadian;
  const double towardsUs = std::cos(b) * std::cos(east);
  if (towardsUs <= 0) return std::nullopt;
  const JovianOffset offset{-std::cos(b) * std::sin(east), q * std::sin(b)};
  const PicturePoint at = OnDisc(disc, offset);
  // Its length foreshortened by the turn from the meridian, its width by the
  // slope of the limb's meridian curve at its latitude.
  const double slope = q * std::cos(b) / std::hypot(std::sin(b), q * std::cos(b));
  const double rx = disc.radius * kRedSpotLength / kJupiterRadius / 2 * std::cos(east);
  const double ry = disc.radius * kRedSpotWidth / kJupiterRadius / 2 * slope;
  return EllipseShape{at.x,     at.y, rx, ry, Role::RedSpot, std::nullopt, 0, EllipsePart::Whole,
                      disc.pole};
}

EllipseShape RingEdge(const DiscFrame& disc, double outerRadius, double tilt, double fraction) {
  const double rx = outerRadius * fraction;
  return EllipseShape{disc.centre.x, disc.centre.y, rx, rx * std::fabs(std::sin(tilt * kRadian)),
                      std::nullopt,  std::nullopt,  0,  EllipsePart::Whole,
                      disc.pole};
}

std::vector<PicturePoint> NearRingHalf(const EllipseShape& inner, const EllipseShape& outer,
                                       double tilt) {
  // The upper half runs from the rx axis's positive end over the pole's
  // side; the lower from its negative end under it. The outer half one
  // way, then the inner back.
  const EllipsePart part = tilt >= 0 ? EllipsePart::LowerHalf : EllipsePart::UpperHalf;
  EllipseShape outerHalf = outer, innerHalf = inner;
  outerHalf.part = innerHalf.part = part;
  std::vector<PicturePoint> outline = EllipsePoints(outerHalf);
  std::vector<PicturePoint> back = EllipsePoints(innerHalf);
  for (std::size_t i = back.size(); i-- > 0;) outline.push_back(back[i]);
  return outline;
}

}  // namespace celforo
