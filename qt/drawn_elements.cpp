#include "qt/drawn_elements.h"

#include <QPainter>
#include <QPen>

#include "qt/display_list_painter.h"
#include "qt/qt_text.h"

namespace celforo::qt {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PictureView::SetList(DisplayList list) {
  list_ = std::move(list);
  setAccessibleName(ToQString(list_.name));
  setAccessibleDescription(ToQString(list_.description));
  update();
}

void PictureView::SetTheme(Theme theme) {
  theme_ = theme;
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDisplayList(painter, list_, PaletteOf(theme_));
}

RectangleShape::RectangleShape(QColor colour, int lineWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void RectangleShape::setColour(QColor colour) {
  colour_ = colour;
  update();
}

void RectangleShape::paintEvent(QPaintEvent*) {
  // The whole width of the line lies inside the rectangle.
  QPainter painter(this);
  const qreal half = lineWidth_ / 2.0;
  painter.setPen(QPen(colour_, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace celforo::qt
