// Labels placed in a picture where they hide the least, and marks at the
// picture's edge for what lies beyond it.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ui/display_list.h"

namespace celforo {

// The width of `text` in the program's font at `fontPixels`, estimated
// without a font: 0.6 of the size per character (code point), a little over
// the mean advance of lower-case names and digits in Liberation Sans and
// Microsoft Sans Serif, so that a label estimated apart is apart. "Europa"
// at 9 pixels is 32.4 wide.
double TextWidthEstimate(std::string_view text, double fontPixels);

// Whether `point` lies within `box`, its edges included.
bool Inside(const PictureBox& box, PicturePoint point);

// The area two boxes share: {0, 0, 10, 10} and {5, 5, 10, 10} share 25.
double Overlap(const PictureBox& a, const PictureBox& b);

// Which of `candidates` (at least one) a label takes: the first that
// overlaps none of the boxes `taken` and lies within `within`, else the one
// whose overlap with them and the area it has outside `within` are the
// least, the earlier of equals. It is added to `taken`.
std::size_t PlaceLabel(std::span<const PictureBox> candidates, std::vector<PictureBox>& taken,
                       const PictureBox& within);

// Where the line from `from`, within `box`, towards `towards` leaves the
// box: from (50, 25) in {0, 0, 100, 50} towards (250, -25) it leaves the
// right edge at (100, 12.5); from (50, 25) towards (50, 500) the bottom at
// (50, 50).
PicturePoint EdgePoint(const PictureBox& box, PicturePoint from, PicturePoint towards);

}  // namespace celforo
