// What the page writes for the parts of the windows that are drawn rather than
// made of controls: CSS values from the tables, and pictures as SVG.
#pragma once

#include <string>

#include "ui/display_list.h"
#include "ui/form1_layout.h"

namespace celforo::web {

// "rgb(192, 255, 255)"
std::string CssColour(Rgb colour);

// A length of the table in CSS pixels: 480 twips is "32px".
std::string CssPixels(int twips);

// 9.75 points is "9.75pt".
std::string CssPoints(double points);

// The font-family list: the window's font, then its substitutes, then any
// sans-serif face.
std::string CssFontFamily();

// A display list as an <svg> of its size, in the colours of `palette`: sharp
// at any pixel ratio. A shape with a mark carries it as its class; a circle
// is a <circle>, an ellipse an <ellipse>, half an ellipse a <path>. The <svg>
// is hidden from screen readers: its element names the picture.
std::string SvgMarkup(const DisplayList& list, const Palette& palette);

}  // namespace celforo::web
