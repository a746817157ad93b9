// The icon of the program's own messages at night, where the system's icons
// would bring their colours: a disc with a cross for an error, with an "i"
// for information, the marks cut out of the disc in the window's ground.
// Figures in a square of `size` units; each window system scales them to the
// icon size it draws.
#pragma once

#include <array>

namespace celforo {

enum class MessageKind { Error, Information };

struct Line {
  double x1, y1, x2, y2;
};

struct MessageIconFigure {
  double size;
  double discCentre, discRadius;  // the disc's centre is (discCentre, discCentre)
  double markWidth;               // the width of the cross's and the i's lines
  std::array<Line, 2> cross;
  double dotY, dotRadius;  // the i's dot, centred across
  Line bar;                // the i's stem
};

inline constexpr MessageIconFigure kMessageIcon{
    32, 16, 15, 3.5, {{{10, 10, 22, 22}, {22, 10, 10, 22}}}, 9, 2.25, {16, 13.5, 16, 24},
};

}  // namespace celforo
