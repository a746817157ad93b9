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
  // Appended piece by piece: GCC 12's -Wrestrict misreads "'" + std::string
  // in a Release build.
  std::string families = "'";
  families += kFontFamily;
  families += '\'';
  for (const std::string_view family : kFontSubstitutes) {
    families += ", '";
    families += family;
    families += '\'';
  }
  families += ", sans-serif";
  return families;
}

}  // namespace celforo
