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

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + Escaped(value) + '"';
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

// A coordinate to the hundredth of a picture unit: 160.5 is "160.5".
std::string Number(double value) {
  return Hundredths(std::lround(value * 100));
}

std::string Paint(std::string_view property, const std::optional<Role>& role,
                  const Palette& palette) {
  return Attribute(property, role ? CssColour(Colour(palette, *role)) : "none");
}

std::string ClassOf(std::string_view mark) {
  return mark.empty() ? std::string() : Attribute("class", mark);
}

std::string RectMarkup(const RectShape& rect, std::string_view mark, const Palette& palette) {
  return "<rect" + ClassOf(mark) + Attribute("x", Number(rect.box.left)) +
         Attribute("y", Number(rect.box.top)) + Attribute("width", Number(rect.box.width)) +
         Attribute("height", Number(rect.box.height)) + Paint("fill", rect.fill, palette) +
         Paint("stroke", rect.stroke, palette) +
         (rect.stroke ? Attribute("stroke-width", Number(rect.pen)) : std::string()) + "/>";
}

std::string EllipseMarkup(const EllipseShape& ellipse, std::string_view mark,
                          const Palette& palette) {
  const std::string stroke =
      Paint("stroke", ellipse.stroke, palette) +
      (ellipse.stroke ? Attribute("stroke-width", Number(ellipse.pen)) : std::string());
  if (ellipse.part != EllipsePart::Whole) {
    // From the left end to the right one, over the top (sweep 1) or under it.
    const bool upper = ellipse.part == EllipsePart::UpperHalf;
    const std::string path = "M" + Number(ellipse.cx - ellipse.rx) + " " + Number(ellipse.cy) +
                             "A" + Number(ellipse.rx) + " " + Number(ellipse.ry) + " 0 0 " +
                             (upper ? "1 " : "0 ") + Number(ellipse.cx + ellipse.rx) + " " +
                             Number(ellipse.cy);
    return "<path" + ClassOf(mark) + Attribute("d", path) + Attribute("fill", "none") + stroke +
           "/>";
  }
  const bool circle = ellipse.rx == ellipse.ry;
  std::string markup = circle ? "<circle" : "<ellipse";
  markup +=
      ClassOf(mark) + Attribute("cx", Number(ellipse.cx)) + Attribute("cy", Number(ellipse.cy));
  markup += circle ? Attribute("r", Number(ellipse.rx))
                   : Attribute("rx", Number(ellipse.rx)) + Attribute("ry", Number(ellipse.ry));
  return markup + Paint("fill", ellipse.fill, palette) + stroke + "/>";
}

std::string TextMarkup(const TextShape& text, std::string_view mark, const Palette& palette) {
  const bool centred = text.align == TextAlign::Centre;
  const double x = centred ? text.box.left + text.box.width / 2 : text.box.left;
  return "<text" + ClassOf(mark) + Attribute("text-anchor", centred ? "middle" : "start") +
         " dominant-baseline=\"central\"" + Attribute("x", Number(x)) +
         Attribute("y", Number(text.box.top + text.box.height / 2)) +
         Attribute("font-size", Number(text.fontPixels)) +
         Attribute("font-weight", text.bold ? "bold" : "normal") +
         Attribute("fill", CssColour(Colour(palette, text.ink))) + ">" + Escaped(text.text) +
         "</text>";
}

}  // namespace

std::string SvgMarkup(const DisplayList& list, const Palette& palette) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" aria-hidden=\"true\"" +
                    Attribute("width", Number(list.width)) +
                    Attribute("height", Number(list.height)) +
                    Attribute("viewBox", "0 0 " + Number(list.width) + " " + Number(list.height)) +
                    Attribute("font-family", CssFontFamily()) + ">";
  for (const Shape& shape : list.shapes) {
    if (const auto* rect = std::get_if<RectShape>(&shape.figure)) {
      svg += RectMarkup(*rect, shape.mark, palette);
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape.figure)) {
      svg += EllipseMarkup(*ellipse, shape.mark, palette);
    } else if (const auto* text = std::get_if<TextShape>(&shape.figure)) {
      svg += TextMarkup(*text, shape.mark, palette);
    }
  }
  return svg + "</svg>";
}

}  // namespace celforo::web
