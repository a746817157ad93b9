// Values written as CSS and SVG take them, the same on every platform: the
// page's styles and the pictures' SVG both use them.
#pragma once

#include <string>

#include "ui/form_types.h"

namespace celforo {

// A number to the hundredth, without a needless point or zero: 9.75 is
// "9.75", 160.5 is "160.5", 32 is "32", -0.004 is "0". Beyond ten million
// either way it is ten million, and what is not a number is "0".
std::string CssNumber(double value);

// "rgb(192, 255, 255)"
std::string CssColour(Rgb colour);

// The font-family list: the window's font, then its substitutes, then any
// sans-serif face.
std::string CssFontFamily();

}  // namespace celforo
