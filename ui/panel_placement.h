// Where the planning panel opens on the desktop: beside the main window, on
// its right where the screen has room, else on its left, and always on the
// screen as far as it fits.
#pragma once

namespace celforo {

// A rectangle on the screen in pixels: a window with its frame, or the part
// of a screen that windows may take.
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;

  int right() const { return left + width; }   // just past the last column
  int bottom() const { return top + height; }  // just past the last row
};

// The space left between the two windows.
inline constexpr int kPanelGap = 8;

// Where the main window's frame, `main`, stands while the panel, `width`
// wide, opens beside it: where it is when the panel fits on either side;
// else moved left as little as needed for both to lie side by side on
// `screen`, the panel on its right, its top kept; where it is when even that
// cannot be. A window 343 wide centred at 468 on a screen 1280 wide, and a
// panel 690 wide: moved to 239, the panel at 590.
int MainLeftBesidePanel(const ScreenRect& screen, const ScreenRect& main, int width,
                        int gap = kPanelGap);

// The top-left corner of the panel's frame, `width` x `height`, beside the
// main window's frame `main` on `screen`. Where neither side has room, it
// goes to the side with more and is pushed back onto the screen; its top is
// the main window's, moved up as far as the screen's foot needs.
struct ScreenPoint {
  int x = 0, y = 0;
};
// `gap` is kPanelGap at 96 dots per inch, scaled where the window system
// counts the screen's own pixels.
ScreenPoint PanelPlace(const ScreenRect& screen, const ScreenRect& main, int width, int height,
                       int gap = kPanelGap);

}  // namespace celforo
