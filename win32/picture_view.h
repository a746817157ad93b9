// A picture box that shows a display list, painted by the program at the
// window's DPI.
#pragma once

#include "ui/display_list.h"
#include "ui/palette.h"
#include "win32/controls.h"

namespace celforo::win32 {

class PictureView : public Control {
public:
  explicit PictureView(const ControlArgs& args);

  // The window class every PictureView is made of; registered once.
  static void Register(HINSTANCE instance);

  const DisplayList& list() const { return list_; }
  void SetList(DisplayList list);
  void SetTheme(Theme theme);
  // Paints from now on at `dpi`, the list's units being pixels at 96.
  void SetDpi(UINT dpi);

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;

  DisplayList list_;
  Theme theme_ = Theme::Day;
  UINT dpi_ = 96;
};

}  // namespace celforo::win32
