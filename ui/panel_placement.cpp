#include "ui/panel_placement.h"

#include <algorithm>

namespace celforo {
namespace {

// `start` moved as little as needed for [start, start + size) to lie in
// [low, high), or to begin at `low` where it cannot.
int Within(int start, int size, int low, int high) {
  return std::max(low, std::min(start, high - size));
}

}  // namespace

int MainLeftBesidePanel(const ScreenRect& screen, const ScreenRect& main, int width, int gap) {
  const bool fitsOnTheRight = main.right() + gap + width <= screen.right();
  const bool fitsOnTheLeft = main.left - gap - width >= screen.left;
  if (fitsOnTheRight || fitsOnTheLeft) return main.left;
  const int moved = screen.right() - width - gap - main.width;
  return moved >= screen.left ? std::min(main.left, moved) : main.left;
}

ScreenPoint PanelPlace(const ScreenRect& screen, const ScreenRect& main, int width, int height,
                       int gap) {
  const int onTheRight = main.right() + gap;
  const int onTheLeft = main.left - gap - width;
  int x = onTheRight;
  if (onTheRight + width > screen.right()) {
    if (onTheLeft >= screen.left) {
      x = onTheLeft;
    } else {
      const bool rightIsRoomier = screen.right() - main.right() >= main.left - screen.left;
      x = rightIsRoomier ? onTheRight : onTheLeft;
    }
  }
  return {Within(x, width, screen.left, screen.right()),
          Within(main.top, height, screen.top, screen.bottom())};
}

}  // namespace celforo
