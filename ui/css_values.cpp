#include "ui/css_values.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace celforo {

std::string CssNumber(double value) {
  constexpr double kBound = 1e7;  // whose hundredths a 32-bit long holds
  if (std::isnan(value)) value = 0;
  value = value < -kBound ? -kBound : value > kBound ? kBound : value;
  const long hundredths = std::lround(value * 100);
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

std::string CssColour(Rgb colour) {
  return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
         std::to_string(colour.blue) + ")";
}

std::string CssFontFamily() {
  std::string families = "'" + std::string(kFontFamily) + "'";
  for (const std::string_view family : kFontSubstitutes)
    families += ", '" + std::string(family) + "'";
  return families + ", sans-serif";
}

}  // namespace celforo
