#include "ui/svg_writer.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/css_values.h"
#include "ui/shape_points.h"

namespace celforo {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Whether XML 1.0 allows the character: tab, the line ends, and from the
// space on but U+FFFE and U+FFFF.
bool XmlCharacter(std::uint32_t c) {
  if (c < 0x20) return c == 0x9 || c == 0xA || c == 0xD;
  return c != 0xFFFE && c != 0xFFFF;
}

// The length of the UTF-8 character `text` starts with, and its code point;
// 0 when it begins with no whole well-formed character (an overlong form, a
// surrogate or beyond U+10FFFF included).
std::size_t Utf8Character(std::string_view text, std::uint32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return code = lead, 1;
  std::size_t length = 0;
  if ((lead & 0xE0) == 0xC0) length = 2, code = lead & 0x1Fu;
  if ((lead & 0xF0) == 0xE0) length = 3, code = lead & 0x0Fu;
  if ((lead & 0xF8) == 0xF0) length = 4, code = lead & 0x07u;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = code << 6 | (byte(i) & 0x3Fu);
  }
  constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  while (!text.empty()) {
    std::uint32_t code = 0;
    const std::size_t length = Utf8Character(text, code);
    if (length == 0) {
      escaped += kReplacement;
      text.remove_prefix(1);
      continue;
    }
    switch (code) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default:
        if (XmlCharacter(code)) escaped += text.substr(0, length);
    }
    text.remove_prefix(length);
  }
  return escaped;
}

// Numbers one after another, a space between: {0, 0, 260, 180} is
// "0 0 260 180".
std::string Spaced(std::initializer_list<double> values) {
  std::string text;
  for (const double value : values) {
    if (!text.empty()) text += ' ';
    text += CssNumber(value);
  }
  return text;
}

std::string PointsText(std::span<const PicturePoint> points) {
  std::string text;
  for (const PicturePoint& point : points) {
    if (!text.empty()) text += ' ';
    text += CssNumber(point.x) + ',' + CssNumber(point.y);
  }
  return text;
}

// Markup written piece by piece into one string.
class Markup {
public:
  explicit Markup(std::string& out) : out_(out) {}

  Markup& Open(std::string_view tag) {
    out_ += '<';
    out_ += tag;
    return *this;
  }
  Markup& Text(std::string_view name, std::string_view value) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    out_ += Escaped(value);
    out_ += '"';
    return *this;
  }
  Markup& Number(std::string_view name, double value) { return Text(name, CssNumber(value)); }
  Markup& Paint(std::string_view property, const std::optional<Role>& role, double pen,
                const Palette& palette) {
    Text(property, role ? CssColour(Colour(palette, *role)) : "none");
    if (role && property == "stroke") Number("stroke-width", pen);
    return *this;
  }
  Markup& Mark(std::string_view mark) { return mark.empty() ? *this : Text("class", mark); }
  void Close() { out_ += "/>"; }

private:
  std::string& out_;
};

// Each shape's markup, one overload a kind.
class ShapeWriter {
public:
  ShapeWriter(std::string& out, std::string_view mark, const Palette& palette)
      : out_(out), markup_(out), mark_(mark), palette_(palette) {}

  void operator()(const RectShape& rect) {
    markup_.Open("rect").Mark(mark_);
    markup_.Number("x", rect.box.left).Number("y", rect.box.top);
    markup_.Number("width", rect.box.width).Number("height", rect.box.height);
    markup_.Paint("fill", rect.fill, 0, palette_).Paint("stroke", rect.stroke, rect.pen, palette_);
    markup_.Close();
  }

  void operator()(const EllipseShape& ellipse) {
    if (ellipse.part != EllipsePart::Whole) return Half(ellipse);
    const bool circle = ellipse.rx == ellipse.ry;
    markup_.Open(circle ? "circle" : "ellipse").Mark(mark_);
    markup_.Number("cx", ellipse.cx).Number("cy", ellipse.cy);
    if (circle) {
      markup_.Number("r", ellipse.rx);
    } else {
      markup_.Number("rx", ellipse.rx).Number("ry", ellipse.ry);
      // SVG turns clockwise as seen.
      if (ellipse.rotation != 0)
        markup_.Text("transform",
                     "rotate(" + Spaced({-ellipse.rotation, ellipse.cx, ellipse.cy}) + ")");
    }
    markup_.Paint("fill", ellipse.fill, 0, palette_)
        .Paint("stroke", ellipse.stroke, ellipse.pen, palette_);
    markup_.Close();
  }

  void operator()(const TextShape& text) {
    const auto [anchor, x] = [&]() -> std::pair<std::string_view, double> {
      switch (text.align) {
        case TextAlign::Left: return {"start", text.box.left};
        case TextAlign::Right: return {"end", text.box.left + text.box.width};
        case TextAlign::Centre: break;
      }
      return {"middle", text.box.left + text.box.width / 2};
    }();
    markup_.Open("text").Mark(mark_).Text("text-anchor", anchor);
    markup_.Text("dominant-baseline", "central");
    markup_.Number("x", x).Number("y", text.box.top + text.box.height / 2);
    markup_.Number("font-size", text.fontPixels).Text("font-weight", text.bold ? "bold" : "normal");
    markup_.Text("fill", CssColour(Colour(palette_, text.ink)));
    out_ += '>';
    out_ += Escaped(text.text);
    out_ += "</text>";
  }

  void operator()(const PolylineShape& line) {
    markup_.Open("polyline").Mark(mark_).Text("points", PointsText(line.points));
    markup_.Text("fill", "none").Paint("stroke", line.stroke, line.pen, palette_);
    if (DrawnDashed(line.points, line.dash)) markup_.Number("stroke-dasharray", line.dash);
    markup_.Text("stroke-linejoin", "round").Close();
  }

  void operator()(const PathShape& path) {
    markup_.Open("polygon").Mark(mark_).Text("points", PointsText(path.points));
    markup_.Paint("fill", path.fill, 0, palette_).Paint("stroke", path.stroke, path.pen, palette_);
    markup_.Text("stroke-linejoin", "round").Close();
  }

private:
  // From one end of the rx axis to the other, over the ry axis's end (sweep
  // 1, clockwise as seen from the left end) or under it; turned, the ends
  // turn and so does the arc's x axis.
  void Half(const EllipseShape& ellipse) {
    const double turn = ellipse.rotation * std::numbers::pi / 180;
    const double dx = ellipse.rx * std::cos(turn), dy = -ellipse.rx * std::sin(turn);
    const bool upper = ellipse.part == EllipsePart::UpperHalf;
    // Appended piece by piece: GCC 12's -Wrestrict misreads "M" + std::string
    // in a Release build.
    std::string path = "M";
    path += Spaced({ellipse.cx - dx, ellipse.cy - dy});
    path += 'A';
    path += Spaced({ellipse.rx, ellipse.ry, -ellipse.rotation});
    path += upper ? " 0 1 " : " 0 0 ";
    path += Spaced({ellipse.cx + dx, ellipse.cy + dy});
    markup_.Open("path").Mark(mark_).Text("d", path).Text("fill", "none");
    markup_.Paint("stroke", ellipse.stroke, ellipse.pen, palette_).Close();
  }

  std::string& out_;
  Markup markup_;
  std::string_view mark_;
  const Palette& palette_;
};

// The <svg> element's size and font, after whatever `svg` holds of its start
// tag; then `inside`, the shapes and its end tag.
std::string Svg(std::string svg, const DisplayList& list, const Palette& palette,
                std::string_view inside) {
  Markup markup(svg);
  markup.Number("width", list.width).Number("height", list.height);
  markup.Text("viewBox", Spaced({0, 0, list.width, list.height}));
  markup.Text("font-family", CssFontFamily());
  svg += '>';
  svg += inside;
  for (const Shape& shape : list.shapes)
    std::visit(ShapeWriter(svg, shape.mark, palette), shape.figure);
  return svg + "</svg>";
}

}  // namespace

std::string SvgMarkup(const DisplayList& list, const Palette& palette) {
  std::string start;
  Markup(start).Open("svg").Text("xmlns", "http://www.w3.org/2000/svg").Text("aria-hidden", "true");
  return Svg(std::move(start), list, palette, {});
}

std::string SvgDocument(const DisplayList& list) {
  std::string start = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  Markup(start).Open("svg").Text("xmlns", "http://www.w3.org/2000/svg");
  const std::string inside =
      "<title>" + Escaped(list.name) + "</title><desc>" + Escaped(list.description) + "</desc>";
  return Svg(std::move(start), list, kDayPalette, inside) + "\n";
}

}  // namespace celforo
