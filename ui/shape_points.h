// Curves and dashes as the points of straight segments, for painters that
// have neither turned ellipses nor dashes of their own (GDI), and for
// pictures that want a curve as a line (a dashed circle is a PolylineShape
// through EllipsePoints).
#pragma once

#include <span>
#include <vector>

#include "ui/display_list.h"

namespace celforo {

// The outline of `ellipse` (its part, turned by its rotation) as points no
// farther than about a twentieth of a picture unit from the curve: a whole
// ellipse closed, its first point repeated last; a half from one end of its
// rx axis to the other. A circle of radius 10 at (0, 0) starts at (10, 0) and
// goes up first, through (0, -10); its upper half ends at (-10, 0).
std::vector<PicturePoint> EllipsePoints(const EllipseShape& ellipse);

// Whether a line through `points` with dashes `dash` long is drawn dashed:
// when the dash is a hundredth of a unit at least (SVG's numbers hold
// hundredths) and the line takes no more than 10,000 of them.
bool DrawnDashed(std::span<const PicturePoint> points, double dash);

// The dashes of a line through `points`, dashes and gaps each `dash` long
// along it from the first point, which starts a dash; each dash as the
// points it passes, its corners included. {{0, 0}, {10, 0}} with a dash of 3
// is {{0, 0}, {3, 0}} and {{6, 0}, {9, 0}}: as SVG's stroke-dasharray draws
// them. A line not DrawnDashed is one run, whole.
std::vector<std::vector<PicturePoint>> DashRuns(std::span<const PicturePoint> points, double dash);

}  // namespace celforo
