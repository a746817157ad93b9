// The window's fonts at a given DPI.
#pragma once

#include <string_view>

#include "win32/gdi.h"

namespace celforo::win32 {

// At 96 DPI the window's own family, "MS Sans Serif"; above, where that
// bitmap font has no sizes to offer, its outline twin "Microsoft Sans Serif".
std::string_view FontFamilyAt(UINT dpi);

// The bold font of the elements: 9.75 points at 96 DPI is 13 pixels high.
Font ElementFont(double points, UINT dpi);

// A font of the picture, `pixels` high at 96 DPI.
Font PictureFont(int pixels, int weight, UINT dpi);

}  // namespace celforo::win32
