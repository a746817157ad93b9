#include "win32/picture_png.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <span>

#include "win32/display_list_painter.h"
#include "win32/gdi.h"
#include "win32/png_encoder.h"

namespace celforo::win32 {

std::optional<std::string> PngOfPicture(const DisplayList& list) {
  const long width = std::lround(list.width);
  const long height = std::lround(list.height);
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return std::nullopt;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return std::nullopt;
  const HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return std::nullopt;
  {
    const Selection selected(dc, bitmap.get());
    PaintDisplayList(dc, list, kDayPalette, USER_DEFAULT_SCREEN_DPI);
    GdiFlush();
  }
  DeleteDC(dc);
  // A DIB's 32-bit pixel is 0x00RRGGBB, as the encoder takes it.
  const std::span pixels(static_cast<const std::uint32_t*>(bits),
                         static_cast<std::size_t>(width * height));
  return EncodePng(static_cast<int>(width), static_cast<int>(height), pixels);
}

}  // namespace celforo::win32
