#include "web/element_markup.h"

#include <cmath>
#include <cstddef>
#include <string_view>

namespace celforo::web {
namespace {

// A whole number of hundredths as a decimal: 975 is "9.75", 3200 is "32".
std::string Hundredths(long hundredths) {
  std::string text = hundredths < 0 ? "-" : "";
  const long magnitude = std::labs(hundredths);
  text += std::to_string(magnitude / 100);
  const long fraction = magnitude % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string CssColour(Rgb colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

std::string CssPixels(int twips) {
  return Hundredths(std::lround(twips * 100.0 / kTwipsPerPixel)) + "px";
}

std::string CssPoints(double points) {
  return Hundredths(std::lround(points * 100.0)) + "pt";
}

std::string CssFontFamily() {
  std::string families = "'" + std::string(kFontFamily) + "'";
  for (const std::string_view family : kFontSubstitutes)
    families += ", '" + std::string(family) + "'";
  return families + ", sans-serif";
}

namespace {

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
  // A coordinate to the hundredth of a picture unit: 160.5 is "160.5".
  Markup& Number(std::string_view name, double value) {
    return Text(name, Hundredths(std::lround(value * 100)));
  }
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

void RectMarkup(Markup& markup, const RectShape& rect, std::string_view mark,
                const Palette& palette) {
  markup.Open("rect").Mark(mark);
  markup.Number("x", rect.box.left).Number("y", rect.box.top);
  markup.Number("width", rect.box.width).Number("height", rect.box.height);
  markup.Paint("fill", rect.fill, 0, palette).Paint("stroke", rect.stroke, rect.pen, palette);
  markup.Close();
}

void EllipseMarkup(Markup& markup, const EllipseShape& ellipse, std::string_view mark,
                   const Palette& palette) {
  if (ellipse.part != EllipsePart::Whole) {
    // From the left end to the right one, over the top (sweep 1) or under it.
    const auto at = [](double value) { return Hundredths(std::lround(value * 100)); };
    const bool upper = ellipse.part == EllipsePart::UpperHalf;
    std::string path = "M" + at(ellipse.cx - ellipse.rx) + " " + at(ellipse.cy);
    path += "A" + at(ellipse.rx) + " " + at(ellipse.ry) + (upper ? " 0 0 1 " : " 0 0 0 ");
    path += at(ellipse.cx + ellipse.rx) + " " + at(ellipse.cy);
    markup.Open("path").Mark(mark).Text("d", path).Text("fill", "none");
    markup.Paint("stroke", ellipse.stroke, ellipse.pen, palette).Close();
    return;
  }
  const bool circle = ellipse.rx == ellipse.ry;
  markup.Open(circle ? "circle" : "ellipse").Mark(mark);
  markup.Number("cx", ellipse.cx).Number("cy", ellipse.cy);
  if (circle) {
    markup.Number("r", ellipse.rx);
  } else {
    markup.Number("rx", ellipse.rx).Number("ry", ellipse.ry);
  }
  markup.Paint("fill", ellipse.fill, 0, palette)
      .Paint("stroke", ellipse.stroke, ellipse.pen, palette);
  markup.Close();
}

void TextMarkup(std::string& out, const TextShape& text, std::string_view mark,
                const Palette& palette) {
  Markup markup(out);
  const bool centred = text.align == TextAlign::Centre;
  markup.Open("text").Mark(mark).Text("text-anchor", centred ? "middle" : "start");
  markup.Text("dominant-baseline", "central");
  markup.Number("x", centred ? text.box.left + text.box.width / 2 : text.box.left);
  markup.Number("y", text.box.top + text.box.height / 2);
  markup.Number("font-size", text.fontPixels).Text("font-weight", text.bold ? "bold" : "normal");
  markup.Text("fill", CssColour(Colour(palette, text.ink)));
  out += '>';
  out += Escaped(text.text);
  out += "</text>";
}

}  // namespace

std::string SvgMarkup(const DisplayList& list, const Palette& palette) {
  std::string svg;
  Markup markup(svg);
  markup.Open("svg").Text("xmlns", "http://www.w3.org/2000/svg").Text("aria-hidden", "true");
  markup.Number("width", list.width).Number("height", list.height);
  markup.Text("viewBox", "0 0 " + Hundredths(std::lround(list.width * 100)) + " " +
                             Hundredths(std::lround(list.height * 100)));
  markup.Text("font-family", CssFontFamily());
  svg += '>';
  for (const Shape& shape : list.shapes) {
    if (const auto* rect = std::get_if<RectShape>(&shape.figure)) {
      RectMarkup(markup, *rect, shape.mark, palette);
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape.figure)) {
      EllipseMarkup(markup, *ellipse, shape.mark, palette);
    } else if (const auto* text = std::get_if<TextShape>(&shape.figure)) {
      TextMarkup(svg, *text, shape.mark, palette);
    }
  }
  return svg + "</svg>";
}

}  // namespace celforo::web
