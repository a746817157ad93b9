#include "qt/display_list_painter.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "qt/element_fonts.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "ui/shape_points.h"

namespace celforo::qt {
namespace {

QRectF ToQRectF(const PictureBox& box) {
  return {box.left, box.top, box.width, box.height};
}

QPolygonF ToQPolygonF(std::span<const PicturePoint> points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PicturePoint& point : points) polygon << QPointF(point.x, point.y);
  return polygon;
}

// The pen of lines and outlines: flat ends, round corners; of rectangles,
// square corners, as the other painters draw them.
void SetPaint(QPainter& painter, const std::optional<Role>& fill, const std::optional<Role>& stroke,
              double pen, const Palette& palette, Qt::PenJoinStyle join = Qt::RoundJoin) {
  if (stroke) {
    painter.setPen(QPen(ToQColor(Colour(palette, *stroke)), pen, Qt::SolidLine, Qt::FlatCap, join));
  } else {
    painter.setPen(Qt::NoPen);
  }
  painter.setBrush(fill ? QBrush(ToQColor(Colour(palette, *fill))) : QBrush(Qt::NoBrush));
}

class ShapePainter {
public:
  ShapePainter(QPainter& painter, const Palette& palette) : painter_(painter), palette_(palette) {}

  void operator()(const RectShape& rect) const {
    SetPaint(painter_, rect.fill, rect.stroke, rect.pen, palette_, Qt::MiterJoin);
    painter_.drawRect(ToQRectF(rect.box));
  }

  void operator()(const EllipseShape& ellipse) const {
    // About its centre, turned: Qt turns clockwise as seen.
    painter_.save();
    painter_.translate(ellipse.cx, ellipse.cy);
    painter_.rotate(-ellipse.rotation);
    const QRectF bounds(-ellipse.rx, -ellipse.ry, 2 * ellipse.rx, 2 * ellipse.ry);
    if (ellipse.part == EllipsePart::Whole) {
      SetPaint(painter_, ellipse.fill, ellipse.stroke, ellipse.pen, palette_);
      painter_.drawEllipse(bounds);
    } else {
      SetPaint(painter_, std::nullopt, ellipse.stroke, ellipse.pen, palette_);
      // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
      const int start = ellipse.part == EllipsePart::UpperHalf ? 0 : 180 * 16;
      painter_.drawArc(bounds, start, 180 * 16);
    }
    painter_.restore();
  }

  void operator()(const TextShape& text) const {
    painter_.setFont(FontOf(text));
    painter_.setPen(ToQColor(Colour(palette_, text.ink)));
    const int across = text.align == TextAlign::Centre  ? Qt::AlignHCenter
                       : text.align == TextAlign::Right ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    painter_.drawText(ToQRectF(text.box), across | Qt::AlignVCenter | Qt::TextDontClip,
                      ToQString(text.text));
  }

  void operator()(const PolylineShape& line) const {
    SetPaint(painter_, std::nullopt, line.stroke, line.pen, palette_);
    QPainterPath path;
    for (const std::vector<PicturePoint>& run : DashRuns(line.points, line.dash))
      path.addPolygon(ToQPolygonF(run));
    painter_.drawPath(path);
  }

  void operator()(const PathShape& outline) const {
    SetPaint(painter_, outline.fill, outline.stroke, outline.pen, palette_);
    painter_.drawPolygon(ToQPolygonF(outline.points), Qt::WindingFill);
  }

private:
  QPainter& painter_;
  const Palette& palette_;
};

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
  for (const Shape& shape : list.shapes) std::visit(ShapePainter(painter, palette), shape.figure);
  painter.restore();
}

}  // namespace celforo::qt
