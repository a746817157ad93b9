#include "ui/lit_disc.h"

#include <algorithm>
#include <cmath>

#include "ui/shape_points.h"

namespace celforo {

std::vector<PicturePoint> LitDiscOutline(PicturePoint centre, double radius, double illuminated,
                                         double brightLimb) {
  // An ellipse turned by the position angle has its ry axis towards it, and
  // its upper half runs from position angle brightLimb - 90 to brightLimb + 90.
  const double k = std::clamp(illuminated, 0.0, 1.0);
  EllipseShape limb{centre.x,     centre.y,     radius, radius,
                    std::nullopt, std::nullopt, 0,      EllipsePart::UpperHalf,
                    brightLimb};
  std::vector<PicturePoint> outline = EllipsePoints(limb);
  // The terminator, from brightLimb + 90 back to brightLimb - 90: on the
  // bright side (the upper half, reversed) for a crescent, else on the other.
  EllipseShape terminator = limb;
  terminator.ry = radius * std::fabs(1 - 2 * k);
  std::vector<PicturePoint> back;
  if (k <= 0.5) {
    back = EllipsePoints(terminator);
    std::reverse(back.begin(), back.end());
  } else {
    terminator.part = EllipsePart::LowerHalf;
    back = EllipsePoints(terminator);
  }
  // Its ends are the limb's: the first is the limb's last, the last its first.
  for (std::size_t i = 1; i + 1 < back.size(); ++i) outline.push_back(back[i]);
  return outline;
}

}  // namespace celforo
