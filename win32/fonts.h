// The window's fonts at a given DPI.
#pragma once

#include <string_view>

#include "win32/gdi.h"

namespace celforo::win32 {

// At 96 DPI the window's own family, "MS Sans Serif"; above, where that
// bitmap font has no sizes to offer, its outline twin "Microsoft Sans Serif".
std::string_view FontFamilyAt(UINT dpi);

// The bold font of the elements: 9.75 points at 96 DPI is 13 pixels high.
// `outline`: in the outline family at every DPI, which at 96 is narrower
// than the bitmap font and serves a caption that font cannot hold.
Font ElementFont(double points, UINT dpi, bool outline = false);

// A font of a picture's `text`, `pixels` high at 96 DPI: the family of
// FontFamilyAt, but the outline one wherever the text has a character the
// bitmap font lacks (it holds Windows' western characters only, no "′").
Font PictureFont(int pixels, int weight, UINT dpi, std::string_view text);

}  // namespace celforo::win32
