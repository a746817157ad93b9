#include "qt/element_fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "qt/qt_text.h"
#include "ui/form1_layout.h"

namespace celforo::qt {

QString ElementFontFamily() {
  // Asked once: the toolkit's own search for a missing family goes through
  // the system's whole font configuration, for each font made from it.
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&](std::string_view name) {
      return installed.contains(ToQString(name), Qt::CaseInsensitive);
    };
    if (isInstalled(kFontFamily)) return ToQString(kFontFamily);
    for (const std::string_view substitute : kFontSubstitutes)
      if (isInstalled(substitute)) return ToQString(substitute);
    return ToQString(kFontFamily);  // the toolkit's nearest, then
  }();
  return family;
}

QFont ElementFont(double points) {
  QFont font(ElementFontFamily());
  font.setPointSizeF(points);
  font.setWeight(QFont::Bold);
  return font;
}

QFont BoxFont(double points) {
  QFont font = ElementFont(points);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

}  // namespace celforo::qt
