// The program's colours as Qt's.
#pragma once

#include <QColor>

#include "ui/form1_layout.h"

namespace celforo::qt {

inline QColor ToQColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace celforo::qt
