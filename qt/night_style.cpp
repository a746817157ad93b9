#include "qt/night_style.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <utility>

#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "ui/form1_layout.h"
#include "ui/form2_layout.h"

namespace celforo::qt {
namespace {

QString Name(const Palette& palette, Role role) {
  return ToQColor(Colour(palette, role)).name();
}

QLineF ToQLine(Line line) {
  return {line.x1, line.y1, line.x2, line.y2};
}

}  // namespace

QString NightStyleSheet(const Palette& palette) {
  QStringList results;
  const auto addResults = [&](const auto& table) {
    for (const ElementRecord& record : table)
      if (record.kind == ElementKind::ResultLabel)
        results << QStringLiteral("QLabel#") + ToQString(record.name);
  };
  addResults(kForm1Elements);
  addResults(kForm2Elements);
  // %1 ground, %2 text, %3 results and boxes, %4 lines, %5 buttons, %7 the
  // panel's window. A pressed button and a chosen item are the text's colour
  // with the ground's letters. A choice's arrow is a triangle of borders, and
  // its open list a plain list, whose items the sheet draws (the platform's
  // menu-like list outlines the chosen item in a colour of its own).
  return QStringLiteral(
             "#ClientArea, %7, QMenuBar, QMenu, QMessageBox { background-color: %1; color: %2; }"
             "QLabel { background: transparent; color: %2; }"
             "%6 { background-color: %3; border: 1px solid %4; }"
             "QLineEdit { background-color: %3; color: %2; border: 1px solid %4;"
             "  selection-background-color: %2; selection-color: %1; }"
             "QLineEdit:focus { border-width: 2px; }"
             "QPushButton { background-color: %5; color: %2; border: 1px solid %4;"
             "  min-width: 64px; min-height: 22px; }"
             "QPushButton:focus { border-width: 2px; }"
             "QPushButton:pressed { background-color: %2; color: %1; }"
             "QMenuBar::item { background: transparent; color: %2; }"
             "QMenuBar::item:selected, QMenuBar::item:pressed { background-color: %2; color: %1; }"
             "QMenu { border: 1px solid %4; }"
             "QMenu::item { color: %2; padding: 4px 24px 4px 24px; }"
             "QMenu::item:selected { background-color: %2; color: %1; }"
             "QMenu::indicator { width: 12px; height: 12px; left: 6px; }"
             "QMenu::indicator:checked { background-color: %2; border: 1px solid %2; }"
             "QMenu::indicator:checked:selected { background-color: %1; border-color: %1; }"
             "QFileDialog { background-color: %1; color: %2; }"
             "QFileDialog QAbstractItemView { background-color: %3; color: %2;"
             "  border: 1px solid %4; selection-background-color: %2; selection-color: %1; }"
             "QFileDialog QHeaderView::section { background-color: %5; color: %2;"
             "  border: 1px solid %4; }"
             "QFileDialog QToolButton { background-color: %5; border: 1px solid %4; }"
             "QFileDialog QSplitter::handle { background-color: %1; }"
             "QComboBox { background-color: %3; color: %2; border: 1px solid %4;"
             "  padding: 0 4px; selection-background-color: %2; selection-color: %1;"
             "  combobox-popup: 0; }"
             "QComboBox:focus { border-width: 2px; }"
             "QComboBox::drop-down { border: none; width: 16px; }"
             "QComboBox::down-arrow { image: none; width: 0; height: 0;"
             "  border-left: 4px solid %3; border-right: 4px solid %3; border-top: 5px solid %2; }"
             "QComboBox QAbstractItemView { background-color: %3; color: %2;"
             "  border: 1px solid %4; outline: none;"
             "  selection-background-color: %2; selection-color: %1; }"
             "QComboBox QAbstractItemView::item { background-color: %3; color: %2; border: none; }"
             "QComboBox QAbstractItemView::item:selected { background-color: %2; color: %1; }")
      .arg(Name(palette, Role::WindowGround), Name(palette, Role::Text),
           Name(palette, Role::ResultGround), Name(palette, Role::ControlBorder),
           Name(palette, Role::ButtonFace), results.join(QStringLiteral(", ")),
           QStringLiteral("#") + ToQString(kForm2.name));
}

QIcon NightIcon(const QIcon& icon, QColor ink) {
  QIcon night;
  for (const int side : {16, 24, 32, 48}) {
    // Disabled, at half the ink's red (the style would make it grey).
    for (const auto& [mode, most] :
         {std::pair{QIcon::Normal, ink.red()}, std::pair{QIcon::Disabled, ink.red() / 2}}) {
      QImage image = icon.pixmap(side, side, mode).toImage().convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
          // The lighter, the nearer the ink's red; the alpha as it was.
          const int red = most * qGray(line[x]) / 255;
          line[x] = qRgba(red, 0, 0, qAlpha(line[x]));
        }
      }
      night.addPixmap(QPixmap::fromImage(image), mode);
    }
  }
  return night;
}

QPixmap MessageIconPixmap(MessageKind kind, const Palette& palette, int logicalSize,
                          qreal pixelRatio) {
  const MessageIconFigure& figure = kMessageIcon;
  QPixmap pixmap(QSize(logicalSize, logicalSize) * pixelRatio);
  pixmap.setDevicePixelRatio(pixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(logicalSize / figure.size, logicalSize / figure.size);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(Colour(palette, Role::Text)));
  painter.drawEllipse(QPointF(figure.discCentre, figure.discCentre), figure.discRadius,
                      figure.discRadius);
  const QColor mark = ToQColor(Colour(palette, Role::WindowGround));
  painter.setPen(QPen(mark, figure.markWidth, Qt::SolidLine, Qt::FlatCap));
  if (kind == MessageKind::Error) {
    for (const Line& line : figure.cross) painter.drawLine(ToQLine(line));
  } else {
    painter.drawLine(ToQLine(figure.bar));
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawEllipse(QPointF(figure.discCentre, figure.dotY), figure.dotRadius,
                        figure.dotRadius);
  }
  return pixmap;
}

}  // namespace celforo::qt
