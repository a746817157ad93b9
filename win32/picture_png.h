// A display list painted by the window's own painter into a bitmap and
// written as a PNG file: the picture exported as the panel shows it by day.
#pragma once

#include <optional>
#include <string>

#include "ui/display_list.h"

namespace celforo::win32 {

// `list` at its own size in pixels (its units at 96 DPI), in the day's
// palette; nothing where the system gives no bitmap of that size.
std::optional<std::string> PngOfPicture(const DisplayList& list);

}  // namespace celforo::win32
