// What the page writes for the parts of the window that are drawn rather than
// made of controls: CSS values from the table, and the credit picture as SVG.
#pragma once

#include <string>

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

// Picture1's content, drawn from the credit picture's figures: sharp at any
// pixel ratio. Its ground and ink carry the classes "ground" and "ink".
std::string CreditPictureSvg();

}  // namespace celforo::web
