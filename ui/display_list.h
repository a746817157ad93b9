// A picture as a short list of shapes and texts, in the picture's own units
// (pixels at 96 dots per inch, from its top-left corner, y downwards), with
// colours named by role. Each window system paints the same list: SVG on the
// page, QPainter on Linux, GDI on Windows; everything outside the picture's
// box is cut off. Lines have flat ends and round corners, the pen centred on
// the outline; fills are anti-aliased where the painter can (not in GDI).
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

struct PicturePoint {
  double x = 0, y = 0;
};

// A rectangle filled, outlined or both; the outline's pen is centred on the
// box's edges.
struct RectShape {
  PictureBox box;
  std::optional<Role> fill;
  std::optional<Role> stroke;
  double pen = 1;
};

// Which part of an ellipse's outline is drawn: the whole, or the half on the
// side its ry axis points to ("up") or the other; turned, the halves turn with it.
enum class EllipsePart { Whole, UpperHalf, LowerHalf };

// An ellipse (a circle where rx == ry) filled, outlined or both, the pen
// centred on the outline. A half is an outline only. `rotation` turns it about
// its centre, in degrees counter-clockwise as seen: as a position angle turns
// from north through east with north up and east to the left, so that an
// ellipse turned by 30 has its ry axis pointing 30 degrees left of up, as
// Saturn's rings do round a pole at position angle 30.
struct EllipseShape {
  double cx = 0, cy = 0, rx = 0, ry = 0;
  std::optional<Role> fill;
  std::optional<Role> stroke;
  double pen = 1;
  EllipsePart part = EllipsePart::Whole;
  double rotation = 0;  // degrees, counter-clockwise
};

// An open line through `points`, `pen` wide. Dashed when `dash` > 0: dashes
// and gaps each `dash` long, measured along the line from its first point,
// which starts a dash, as SVG dashes a line; {{0, 0}, {10, 0}} with a dash
// of 3 inks 0-3 and 6-9. Painters without dashes of their own draw DashRuns
// (shape_points.h), which also says when a dash too fine is drawn whole.
struct PolylineShape {
  std::vector<PicturePoint> points;
  Role stroke = Role::PictureInk;
  double pen = 1;
  double dash = 0;
};

// A closed outline through `points`, the last joined back to the first,
// filled (by the non-zero winding rule), outlined or both: the lit part of a
// disc (see lit_disc.h), a band of twilight.
struct PathShape {
  std::vector<PicturePoint> points;
  std::optional<Role> fill;
  std::optional<Role> stroke;
  double pen = 1;
};

// One line of text in the program's font, centred vertically in its box and
// placed across it by `align`: at its left edge, its middle or its right edge.
struct TextShape {
  PictureBox box;
  std::string text;  // UTF-8
  Role ink = Role::Text;
  double fontPixels = 11;
  bool bold = false;
  TextAlign align = TextAlign::Centre;
};

struct Shape {
  std::variant<RectShape, EllipseShape, TextShape, PolylineShape, PathShape> figure;
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
