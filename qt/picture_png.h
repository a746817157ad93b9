// A display list painted by QPainter into a PNG image: what ESPORTA
// IMMAGINE writes on the desktop.
#pragma once

#include <optional>
#include <string>

#include "ui/display_list.h"
#include "ui/palette.h"

namespace celforo::qt {

// The PNG file's bytes of `list` painted in `palette` on an image of the
// list's size in pixels (320 × 240 for a list 320 wide and 240 high, its
// fractions rounded up), whatever the screen's scale; nothing where the
// image cannot be made (a list of no size, or too big).
std::optional<std::string> PngOfDisplayList(const DisplayList& list, const Palette& palette);

}  // namespace celforo::qt
