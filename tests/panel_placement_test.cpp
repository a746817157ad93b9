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

}  // namespace
}  // namespace celforo
