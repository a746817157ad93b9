// The icon of the program's own messages at night (ui/message_icon.h),
// made at a window's DPI. GDI draws without smoothing, so the figure is
// sampled here, sixteen times a pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/message_icon.h"
#include "ui/palette.h"
#include "win32/gdi.h"

namespace celforo::win32 {

// The icon as `size` x `size` pixels, top row first, each 0xAARRGGBB with
// its colour premultiplied by its alpha.
std::vector<std::uint32_t> MessageIconPixels(MessageKind kind, const Palette& palette, int size);

// The same as an icon the system can show.
Icon MakeMessageIcon(MessageKind kind, const Palette& palette, int size);

}  // namespace celforo::win32
