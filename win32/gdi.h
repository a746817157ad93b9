// GDI objects and icons the program creates, each deleted when its owner
// goes, and the few drawing and window-class helpers the windows share.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/form1_layout.h"

namespace celforo::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using Pen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

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

// The program's colours as GDI's.
inline COLORREF ToColorRef(Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

inline Brush SolidBrush(Rgb rgb) {
  return Brush(CreateSolidBrush(ToColorRef(rgb)));
}

// The outline of `box`, `line` pixels wide, the whole width inside the box.
void FillFrame(HDC dc, const RECT& box, int line, HBRUSH brush);

// A window's whole rectangle and its client area, both in the coordinates
// of the window's own device context (GetWindowDC), where the non-client
// area lies between the two.
struct NonClientArea {
  RECT window;
  RECT client;
};
NonClientArea NonClientAreaOf(HWND window);

// Registers a window class of the program's, once: the arrow cursor, no
// background of its own (each window paints its own), `extraStyle` added.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC windowProc,
                         UINT extraStyle = 0);

}  // namespace celforo::win32
