// GDI objects and icons the program creates, each deleted when its owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace celforo::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using Pen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Puts an object into a device context for the life of the selection.
class Selection {
public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A length in pixels at 96 dots per inch, at `dpi`: 3 is 5 at 144 (rounded).
inline int ScaleForDpi(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), 96);
}

}  // namespace celforo::win32
