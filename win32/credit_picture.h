// Picture1: the credit panel, painted by the program at the window's DPI.
#pragma once

#include "ui/palette.h"
#include "win32/controls.h"

namespace celforo::win32 {

class CreditPicture : public Control {
public:
  explicit CreditPicture(const ControlArgs& args);

  // The window class every CreditPicture is made of; registered once.
  static void Register(HINSTANCE instance);

  // Paints from now on at `dpi`, the figures of the picture being at 96.
  void SetDpi(UINT dpi);
  // Paints from now on in `palette`'s picture colours.
  void SetColours(const Palette& palette);

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;

  UINT dpi_ = 96;
  const Palette* palette_ = &kDayPalette;
};

}  // namespace celforo::win32
