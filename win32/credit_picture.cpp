#include "win32/credit_picture.h"

#include "ui/credit_picture.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"CelforoCreditPicture";

}  // namespace

CreditPicture::CreditPicture(const ControlArgs& args) : Control(kClassName, args, this) {}

void CreditPicture::Register(HINSTANCE instance) {
  RegisterWindowClass(instance, kClassName, WindowProc);
}

void CreditPicture::SetColours(const Palette& palette) {
  palette_ = &palette;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void CreditPicture::SetDpi(UINT dpi) {
  dpi_ = dpi;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT CALLBACK CreditPicture::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* self = reinterpret_cast<const CreditPicture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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

void CreditPicture::Paint(HDC dc) const {
  const auto scale = [this](int pixels) { return ScaleForDpi(pixels, dpi_); };
  const auto scaled = [&](PixelRect rect) {
    return RECT{scale(rect.left), scale(rect.top), scale(rect.left + rect.width),
                scale(rect.top + rect.height)};
  };
  RECT client;
  GetClientRect(hwnd(), &client);
  const Brush ground = SolidBrush(Colour(*palette_, Role::PictureGround));
  FillRect(dc, &client, ground.get());

  // The monogram's box: an outline whose whole width lies inside the box.
  const Brush ink = SolidBrush(Colour(*palette_, Role::PictureInk));
  const RECT box = scaled(kCreditPicture.monogramBox);
  FillFrame(dc, box, scale(kCreditPicture.monogramPen), ink.get());

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Colour(*palette_, Role::PictureInk)));
  const auto draw = [&](std::string_view text, RECT where) {
    const std::wstring wide = Widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &where,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  };
  {
    const Font monogram = PictureFont(kCreditPicture.monogramFontPixels, FW_BOLD, dpi_);
    const Selection selected(dc, monogram.get());
    draw(kCreditPicture.monogram, box);
  }
  const Font lineFont = PictureFont(kCreditPicture.lineFontPixels, FW_NORMAL, dpi_);
  const Selection selected(dc, lineFont.get());
  for (int line = 0; line < static_cast<int>(kCreditPicture.lines.size()); ++line)
    draw(kCreditPicture.lines[static_cast<std::size_t>(line)],
         scaled(kCreditPicture.LineBox(line)));
}

}  // namespace celforo::win32
