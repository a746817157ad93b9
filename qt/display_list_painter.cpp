#include "qt/display_list_painter.h"

#include <QPainterPath>
#include <QPen>

#include "qt/element_fonts.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"

namespace celforo::qt {
namespace {

QRectF ToQRectF(const PictureBox& box) {
  return {box.left, box.top, box.width, box.height};
}

void SetPaint(QPainter& painter, const std::optional<Role>& fill, const std::optional<Role>& stroke,
              double pen, const Palette& palette) {
  if (stroke) {
    painter.setPen(QPen(ToQColor(Colour(palette, *stroke)), pen));
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.setBrush(fill ? QBrush(ToQColor(Colour(palette, *fill))) : QBrush(Qt::NoBrush));
}

void Paint(QPainter& painter, const RectShape& rect, const Palette& palette) {
  SetPaint(painter, rect.fill, rect.stroke, rect.pen, palette);
  painter.drawRect(ToQRectF(rect.box));
}

void Paint(QPainter& painter, const EllipseShape& ellipse, const Palette& palette) {
  const QRectF bounds(ellipse.cx - ellipse.rx, ellipse.cy - ellipse.ry, 2 * ellipse.rx,
                      2 * ellipse.ry);
  if (ellipse.part == EllipsePart::Whole) {
    SetPaint(painter, ellipse.fill, ellipse.stroke, ellipse.pen, palette);
    painter.drawEllipse(bounds);
    return;
  }
  SetPaint(painter, std::nullopt, ellipse.stroke, ellipse.pen, palette);
  // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
  const int start = ellipse.part == EllipsePart::UpperHalf ? 0 : 180 * 16;
  painter.drawArc(bounds, start, 180 * 16);
}

void Paint(QPainter& painter, const TextShape& text, const Palette& palette) {
  painter.setFont(FontOf(text));
  painter.setPen(ToQColor(Colour(palette, text.ink)));
  const int across = text.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
  painter.drawText(ToQRectF(text.box), across | Qt::AlignVCenter | Qt::TextDontClip,
                   ToQString(text.text));
}

}  // namespace

QFont FontOf(const TextShape& text) {
  QFont font(ElementFontFamily());  // the program's family, or its substitute
  font.setPixelSize(static_cast<int>(text.fontPixels + 0.5));
  font.setBold(text.bold);
  return font;
}

void PaintDisplayList(QPainter& painter, const DisplayList& list, const Palette& palette) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setClipRect(QRectF(0, 0, list.width, list.height));
  for (const Shape& shape : list.shapes)
    std::visit([&](const auto& figure) { Paint(painter, figure, palette); }, shape.figure);
  painter.restore();
}

}  // namespace celforo::qt
