// A planet's disc placed in a picture, north up and east to the left, and
// what lies on it and around it there: its flattened outline turned to its
// pole, the lit part, places given in its equatorial radii (Jupiter's moons
// and their shadows), the Great Red Spot and Saturn's rings. Position angles
// are in degrees from north through east, as calc/disc_view.h gives them.
#pragma once

#include <optional>
#include <vector>

#include "calc/galilean_moons.h"
#include "calc/targets.h"
#include "ui/display_list.h"

namespace celforo {

// The disc as drawn: its centre, its equatorial radius in picture units, the
// position angle of its north pole (0 for a body without one) and its
// apparent polar radius over the equatorial one (1 for a round disc).
struct DiscFrame {
  PicturePoint centre;
  double radius = 0;
  double pole = 0;
  double polarRatio = 1;
};

// The true polar over equatorial radius of the bodies drawn flattened:
// Jupiter 66854 / 71492 km and Saturn 54364 / 60268 km (IAU, B. A. Archinal
// et al., 2011); 1 for the others, whose flattening is under a pixel here.
double PolarRatio(Target target);

// The polar over equatorial radius a spheroid of `polarRatio` shows when
// the observer stands `latitude` degrees from its equator plane:
// sqrt(sin^2 B + q^2 cos^2 B) (Meeus, "Astronomical Algorithms", 2nd ed.,
// chapter 45, the globe of Saturn); Saturn's 0.9020 seen from B = 26.0
// degrees is 0.9217.
double ApparentPolarRatio(double polarRatio, double latitude);

// The picture's direction of position angle `angle`, a unit vector: 0 is
// up, 90 to the left (east), 270 to the right (west).
PicturePoint TowardsAngle(double angle);

// A place given in the disc's equatorial radii, x towards the west along
// its equator and y towards its north pole (as calc/galilean_moons.h gives
// them), in the picture: with the pole at 0, x = 2, y = 0 lies two radii to
// the right of the centre; with the pole at 90 (pointing east, left), y = 1
// lies one radius to the left.
PicturePoint OnDisc(const DiscFrame& disc, JovianOffset offset);

// The disc's outline as an ellipse turned to the pole, filled with `fill`:
// its rx the equatorial radius, its ry the polar.
EllipseShape DiscOutline(const DiscFrame& disc, Role fill);

// The outline of the lit part (lit_disc.h), flattened towards the pole as
// the disc is: `illuminated` the lit fraction, `brightLimb` the position
// angle of the bright limb's midpoint.
std::vector<PicturePoint> LitPart(const DiscFrame& disc, double illuminated, double brightLimb);

// The Great Red Spot as drawn: 16,350 km from east to west (Hubble and
// Juno, NASA, 2017-04-03) and about 12,000 km from south to north, centred
// at 22 degrees south (planetographic), on a disc of Jupiter's flattening
// seen from its equator plane. It lies `longitude` - `centralMeridian`
// degrees (System II) east of the central meridian: at the same longitude
// it sits on the meridian, 0.331 radii south of the centre, 0.229 radii
// wide and 0.156 high; nothing when its centre is on the far side.
std::optional<EllipseShape> RedSpotOval(const DiscFrame& disc, double longitude,
                                        double centralMeridian);

// Saturn's rings' edge at `fraction` of the outer edge of the A ring, whose
// radius on the picture is `outerRadius`, seen at `tilt` degrees from their
// plane: an ellipse about the disc's centre turned to its pole, ry = rx *
// |sin tilt|. Fractions from Meeus, chapter 45: the inner edge of the B
// ring at 0.6650, the Cassini division from 0.8599 to 0.8801.
EllipseShape RingEdge(const DiscFrame& disc, double outerRadius, double tilt, double fraction);
inline constexpr double kRingBInnerEdge = 0.6650;
inline constexpr double kCassiniDivision = (0.8599 + 0.8801) / 2;
inline constexpr double kCassiniDivisionWidth = 0.8801 - 0.8599;

// The half of the rings between `inner` and `outer` (ellipses as RingEdge
// gives) that lies nearer the observer, in front of the globe, as a closed
// outline: the half away from the pole when the tilt is positive (the
// observer north of the ring plane), the half towards it otherwise.
std::vector<PicturePoint> NearRingHalf(const EllipseShape& inner, const EllipseShape& outer,
                                       double tilt);

}  // namespace celforo
