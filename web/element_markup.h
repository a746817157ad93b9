// What the page writes for the parts of the windows that are drawn rather than
// made of controls: CSS lengths from the tables (colours and the font family
// are ui/css_values.h's, pictures ui/svg_writer.h's).
#pragma once

#include <string>

#include "ui/css_values.h"
#include "ui/form_types.h"

namespace celforo::web {

// A length of the table in CSS pixels: 480 twips is "32px".
std::string CssPixels(int twips);

// 9.75 points is "9.75pt".
std::string CssPoints(double points);

}  // namespace celforo::web
