// Where the planning panel opens, beside the main window, on screens of every
// size and place.
#include <gtest/gtest.h>

#include "ui/panel_placement.h"

namespace celforo {
namespace {

TEST(PanelPlacement, BesideTheWindowAndOnTheScreen) {
  struct Case {
    const char* what;
    ScreenRect screen, main;
    int width, height;
    int x, y;
  };
  const Case cases[] = {
      {"right of a centred window", {0, 0, 1920, 1080}, {790, 340, 339, 420}, 339, 740, 1137, 340},
      {"right of a window at the left edge",
       {0, 0, 1280, 1024},
       {0, 0, 339, 420},
       339,
       740,
       347,
       0},
      {"left of a window at the right edge",
       {0, 0, 1280, 1024},
       {941, 100, 339, 420},
       339,
       740,
       594,
       100},
      {"right, just", {0, 0, 1000, 1024}, {300, 0, 339, 420}, 353, 740, 647, 0},
      {"left, just", {0, 0, 1000, 1024}, {353, 0, 339, 420}, 345, 740, 0, 0},
      // 1024 x 768: no side has room; the left has one pixel more, and the
      // panel is raised off the screen's foot.
      {"no room: the roomier side", {0, 0, 1024, 768}, {343, 184, 339, 420}, 339, 740, 0, 28},
      {"no room: the right", {0, 0, 1024, 768}, {341, 184, 339, 420}, 339, 740, 685, 28},
      {"taller than the screen", {0, 0, 800, 600}, {231, 100, 339, 400}, 339, 740, 0, 0},
      {"a second screen", {1920, 0, 1280, 1024}, {2000, 50, 339, 420}, 339, 740, 2347, 50},
      {"a screen that starts lower", {0, 30, 1920, 1050}, {100, -50, 339, 420}, 339, 740, 447, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScreenPoint place = PanelPlace(c.screen, c.main, c.width, c.height);
    EXPECT_EQ(place.x, c.x);
    EXPECT_EQ(place.y, c.y);
  }
}

// Where neither side has room for the panel, the main window makes room on
// its right by moving left as little as it must, if the screen can hold both.
TEST(PanelPlacement, TheMainWindowMakesRoomWhereNeitherSideHasIt) {
  struct Case {
    const char* what;
    ScreenRect screen, main;
    int width;
    int left;
  };
  const Case cases[] = {
      // Form1 centred on 1280 x 800 at 96 DPI, the two-column panel.
      {"centred, 96 DPI", {0, 0, 1280, 770}, {468, 200, 343, 400}, 690, 239},
      // And on 1920 x 1200 at 144 DPI.
      {"centred, 144 DPI", {0, 0, 1920, 1170}, {703, 300, 514, 600}, 1025, 373},
      {"room on the right: stays", {0, 0, 1920, 1080}, {100, 0, 343, 400}, 690, 100},
      {"room on the left: stays", {0, 0, 1280, 800}, {937, 0, 343, 400}, 690, 937},
      {"both just fit", {0, 0, 1041, 800}, {400, 0, 343, 400}, 690, 0},
      {"a screen too narrow for both: stays", {0, 0, 1040, 800}, {400, 0, 343, 400}, 690, 400},
      {"a second screen", {1280, 0, 1280, 800}, {1748, 0, 343, 400}, 690, 1519},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int left = MainLeftBesidePanel(c.screen, c.main, c.width);
    EXPECT_EQ(left, c.left);
    // The panel then opens on the moved window's right, on the screen.
    if (left != c.main.left) {
      ScreenRect moved = c.main;
      moved.left = left;
      EXPECT_EQ(PanelPlace(c.screen, moved, c.width, 100).x, left + c.main.width + kPanelGap);
    }
  }
}

}  // namespace
}  // namespace celforo
