#include "win32/picture_view.h"

#include <utility>

#include "win32/display_list_painter.h"
#include "win32/gdi.h"

namespace celforo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CelforoPicture";

}  // namespace

PictureView::PictureView(const ControlArgs& args) : Control(kClassName, args, this) {}

void PictureView::Register(HINSTANCE instance) {
  RegisterWindowClass(instance, kClassName, WindowProc);
}

void PictureView::SetList(DisplayList list) {
  list_ = std::move(list);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureView::SetTheme(Theme theme) {
  theme_ = theme;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void PictureView::SetDpi(UINT dpi) {
  dpi_ = dpi;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT CALLBACK PictureView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* self = reinterpret_cast<const PictureView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd, &paint);
      if (self != nullptr) self->Paint(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void PictureView::Paint(HDC dc) const {
  PaintDisplayList(dc, list_, PaletteOf(theme_), dpi_);
}

}  // namespace celforo::win32
