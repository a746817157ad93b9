// Paints a display list with GDI at a DPI, its units being pixels at 96.
#pragma once

#include <windows.h>

#include "ui/display_list.h"

namespace celforo::win32 {

void PaintDisplayList(HDC dc, const DisplayList& list, const Palette& palette, UINT dpi);

}  // namespace celforo::win32
