#include "web/element_markup.h"

namespace celforo::web {

std::string CssPixels(int twips) {
  return CssNumber(static_cast<double>(twips) / kTwipsPerPixel) + "px";
}

std::string CssPoints(double points) {
  return CssNumber(points) + "pt";
}

}  // namespace celforo::web
