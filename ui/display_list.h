// A picture as a short list of shapes and texts, in the picture's own units
// (pixels at 96 dots per inch, from its top-left corner), with colours named
// by role. Each window system paints the same list: SVG on the page, QPainter
// on Linux, GDI on Windows; everything outside the picture's box is cut off.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/palette.h"

namespace celforo {

struct PictureBox {
  double left = 0, top = 0, width = 0, height = 0;
};

// A rectangle filled, outlined or both; the outline's pen is centred on the
// box's edges.
struct RectShape {
  PictureBox box;
  std::optional<Role> fill;
  std::optional<Role> stroke;
  double pen = 1;
};

// Which part of an ellipse's outline is drawn: the whole, or the half above
// or below its centre.
enum class EllipsePart { Whole, UpperHalf, LowerHalf };

// An ellipse (a circle where rx == ry) filled, outlined or both, the pen
// centred on the outline. A half is an outline only.
struct EllipseShape {
  double cx = 0, cy = 0, rx = 0, ry = 0;
  std::optional<Role> fill;
  std::optional<Role> stroke;
  double pen = 1;
  EllipsePart part = EllipsePart::Whole;
};

// One line of text in the program's font, centred vertically in its box and
// placed across it by `align`.
struct TextShape {
  PictureBox box;
  std::string text;  // UTF-8
  Role ink = Role::Text;
  double fontPixels = 11;
  bool bold = false;
  TextAlign align = TextAlign::Centre;
};

struct Shape {
  std::variant<RectShape, EllipseShape, TextShape> figure;
  // What the shape shows, for the page's class names and the tests: "sensor",
  // "target", "rings"; empty for the rest.
  std::string_view mark;
};

struct DisplayList {
  double width = 0, height = 0;
  std::vector<Shape> shapes;  // painted in this order, each over the ones before
  std::string name;           // what a screen reader calls the picture
  std::string description;    // what it shows, in words
};

}  // namespace celforo
