// The lit part of a planet's or the Moon's disc as the sky shows it, north up
// and east to the left: the half of the limb on the Sun's side joined to the
// terminator, the half ellipse that the circle between day and night is
// when seen at an angle.
#pragma once

#include <vector>

#include "ui/display_list.h"

namespace celforo {

// The outline of the lit part of a disc of `radius` about `centre`, for a
// PathShape: `illuminated` the lit fraction of the disc's area, k, from 0 to
// 1, and `brightLimb` the position angle in degrees of the bright limb's
// midpoint, from north through east. The terminator is the half ellipse whose
// semi-axes are the radius and radius * |2k - 1|, bulging away from the
// bright limb past half lit and towards it before: Meeus's Example 48.a, the
// Moon on 1992 April 12 with k = 0.6786 and the bright limb at 285.0 degrees,
// is lit on its west side (to the right, slightly up), past its centre by
// 0.3572 of the radius. The points, no farther than about a twentieth of a
// unit from the curves, go from the limb's end at position angle brightLimb -
// 90 through the bright limb and back along the terminator; a fraction
// outside 0 to 1 is taken as the nearer end.
std::vector<PicturePoint> LitDiscOutline(PicturePoint centre, double radius, double illuminated,
                                         double brightLimb);

}  // namespace celforo
