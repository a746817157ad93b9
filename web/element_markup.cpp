#include "web/element_markup.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "ui/credit_picture.h"

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

std::string Attribute(std::string_view name, int value) {
  return Attribute(name, std::to_string(value));
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

std::string CreditPictureSvg() {
  const CreditPictureContent& picture = kCreditPicture;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" aria-hidden=\"true\"" +
                    Attribute("width", picture.width) + Attribute("height", picture.height) +
                    Attribute("viewBox", "0 0 " + std::to_string(picture.width) + " " +
                                             std::to_string(picture.height)) +
                    Attribute("font-family", CssFontFamily()) + ">";
  svg += "<rect class=\"ground\"" + Attribute("width", picture.width) +
         Attribute("height", picture.height) + Attribute("fill", CssColour(picture.ground)) + "/>";

  // The pen lies wholly inside the monogram's box.
  const PixelRect box = picture.monogramBox;
  const int pen = picture.monogramPen;
  svg += "<rect class=\"ink-line\"" + Attribute("x", Hundredths(box.left * 100 + pen * 50)) +
         Attribute("y", Hundredths(box.top * 100 + pen * 50)) +
         Attribute("width", box.width - pen) + Attribute("height", box.height - pen) +
         Attribute("fill", "none") + Attribute("stroke", CssColour(picture.ink)) +
         Attribute("stroke-width", pen) + "/>";

  const auto centredText = [&](PixelRect in, int fontPixels, bool bold, std::string_view text) {
    return "<text class=\"ink\" text-anchor=\"middle\" dominant-baseline=\"central\"" +
           Attribute("x", Hundredths(in.left * 100 + in.width * 50)) +
           Attribute("y", Hundredths(in.top * 100 + in.height * 50)) +
           Attribute("font-size", fontPixels) + Attribute("font-weight", bold ? "bold" : "normal") +
           Attribute("fill", CssColour(picture.ink)) + ">" + Escaped(text) + "</text>";
  };
  svg += centredText(box, picture.monogramFontPixels, true, picture.monogram);
  for (std::size_t line = 0; line < picture.lines.size(); ++line) {
    svg += centredText(picture.LineBox(static_cast<int>(line)), picture.lineFontPixels, false,
                       picture.lines[line]);
  }
  return svg + "</svg>";
}

}  // namespace celforo::web
