#include "win32/display_list_painter.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "ui/shape_points.h"
#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

// Picture units at the DPI, rounded as MulDiv rounds; within the 2^27 pixels
// of the origin that GDI takes, what is not a number at the origin.
struct Scale {
  double factor;
  int operator()(double units) const {
    constexpr double kFarthest = 1 << 26;
    const double pixels = units * factor;
    return std::isnan(pixels)
               ? 0
               : static_cast<int>(std::lround(std::clamp(pixels, -kFarthest, kFarthest)));
  }
  RECT operator()(const PictureBox& box) const {
    return {(*this)(box.left), (*this)(box.top), (*this)(box.left + box.width),
            (*this)(box.top + box.height)};
  }
  POINT operator()(const PicturePoint& point) const { return {(*this)(point.x), (*this)(point.y)}; }
};

std::vector<POINT> ToPoints(std::span<const PicturePoint> points, Scale scale) {
  std::vector<POINT> device;
  device.reserve(points.size());
  for (const PicturePoint& point : points) device.push_back(scale(point));
  return device;
}

void Fill(HDC dc, const RECT& rect, Rgb colour) {
  const Brush brush = SolidBrush(colour);
  FillRect(dc, &rect, brush.get());
}

// The pen of lines and outlines: at least a pixel wide, flat ends and round
// corners, as the other painters draw them; none without a role.
Pen LinePen(const std::optional<Role>& stroke, double pen, const Palette& palette, Scale scale) {
  if (!stroke) return Pen(static_cast<HPEN>(GetStockObject(NULL_PEN)));
  const LOGBRUSH brush{BS_SOLID, ToColorRef(Colour(palette, *stroke)), 0};
  return Pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
                          static_cast<DWORD>(std::max(1, scale(pen))), &brush, 0, nullptr));
}

Brush FillBrush(const std::optional<Role>& fill, const Palette& palette) {
  return fill ? SolidBrush(Colour(palette, *fill))
              : Brush(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

// A closed outline filled by the non-zero winding rule, outlined or both.
void PaintPolygon(HDC dc, std::span<const PicturePoint> points, const std::optional<Role>& fill,
                  const std::optional<Role>& stroke, double pen, const Palette& palette,
                  Scale scale) {
  if (points.size() < 2) return;
  const Pen linePen = LinePen(stroke, pen, palette, scale);
  const Brush brush = FillBrush(fill, palette);
  const Selection selectedPen(dc, linePen.get());
  const Selection selectedBrush(dc, brush.get());
  SetPolyFillMode(dc, WINDING);
  const std::vector<POINT> device = ToPoints(points, scale);
  Polygon(dc, device.data(), static_cast<int>(device.size()));
}

// Open lines, each of two points at least, in one pen.
void PaintLines(HDC dc, const std::vector<std::vector<PicturePoint>>& lines, Role stroke,
                double pen, const Palette& palette, Scale scale) {
  std::vector<POINT> device;
  std::vector<DWORD> counts;
  for (const std::vector<PicturePoint>& line : lines) {
    if (line.size() < 2) continue;
    const std::vector<POINT> points = ToPoints(line, scale);
    device.insert(device.end(), points.begin(), points.end());
    counts.push_back(static_cast<DWORD>(points.size()));
  }
  if (counts.empty()) return;
  const Pen linePen = LinePen(stroke, pen, palette, scale);
  const Selection selectedPen(dc, linePen.get());
  PolyPolyline(dc, device.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

class ShapePainter {
public:
  ShapePainter(HDC dc, const Palette& palette, UINT dpi)
      : dc_(dc), palette_(palette), dpi_(dpi), scale_{static_cast<double>(dpi) / 96.0} {}

  void operator()(const RectShape& rect) const {
    if (rect.fill) Fill(dc_, scale_(rect.box), Colour(palette_, *rect.fill));
    if (!rect.stroke) return;
    // The pen's band, half outside the box and half inside, as four sides.
    const double half = rect.pen / 2;
    const RECT outer = scale_(PictureBox{rect.box.left - half, rect.box.top - half,
                                         rect.box.width + rect.pen, rect.box.height + rect.pen});
    const RECT inner = scale_(PictureBox{rect.box.left + half, rect.box.top + half,
                                         rect.box.width - rect.pen, rect.box.height - rect.pen});
    const Rgb ink = Colour(palette_, *rect.stroke);
    const RECT sides[] = {{outer.left, outer.top, outer.right, inner.top},
                          {outer.left, inner.bottom, outer.right, outer.bottom},
                          {outer.left, inner.top, inner.left, inner.bottom},
                          {inner.right, inner.top, outer.right, inner.bottom}};
    for (const RECT& side : sides) Fill(dc_, side, ink);
  }

  void operator()(const EllipseShape& ellipse) const {
    const bool circle = ellipse.rx == ellipse.ry && ellipse.part == EllipsePart::Whole;
    if (ellipse.rotation != 0 && !circle) return Turned(ellipse);
    const int left = scale_(ellipse.cx - ellipse.rx), right = scale_(ellipse.cx + ellipse.rx);
    const int top = scale_(ellipse.cy - ellipse.ry), bottom = scale_(ellipse.cy + ellipse.ry);
    const int middle = scale_(ellipse.cy);
    const Pen pen(ellipse.stroke ? CreatePen(PS_SOLID, std::max(1, scale_(ellipse.pen)),
                                             ToColorRef(Colour(palette_, *ellipse.stroke)))
                                 : static_cast<HPEN>(GetStockObject(NULL_PEN)));
    const Brush brush(ellipse.fill && ellipse.part == EllipsePart::Whole
                          ? SolidBrush(Colour(palette_, *ellipse.fill)).release()
                          : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    const Selection selectedPen(dc_, pen.get());
    const Selection selectedBrush(dc_, brush.get());
    switch (ellipse.part) {
      case EllipsePart::Whole: Ellipse(dc_, left, top, right + 1, bottom + 1); break;
      // Counter-clockwise from the first end to the second: over the top from
      // the right end, under the bottom from the left one.
      case EllipsePart::UpperHalf:
        Arc(dc_, left, top, right + 1, bottom + 1, right, middle, left, middle);
        break;
      case EllipsePart::LowerHalf:
        Arc(dc_, left, top, right + 1, bottom + 1, left, middle, right, middle);
        break;
    }
  }

  void operator()(const TextShape& text) const {
    const Font font = PictureFont(static_cast<int>(std::lround(text.fontPixels)),
                                  text.bold ? FW_BOLD : FW_NORMAL, dpi_, text.text);
    const Selection selected(dc_, font.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToColorRef(Colour(palette_, text.ink)));
    RECT where = scale_(text.box);
    const std::wstring wide = Widen(text.text);
    const UINT across = text.align == TextAlign::Centre  ? DT_CENTER
                        : text.align == TextAlign::Right ? DT_RIGHT
                                                         : DT_LEFT;
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &where,
              across | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }

  void operator()(const PolylineShape& line) const {
    PaintLines(dc_, DashRuns(line.points, line.dash), line.stroke, line.pen, palette_, scale_);
  }

  void operator()(const PathShape& outline) const {
    PaintPolygon(dc_, outline.points, outline.fill, outline.stroke, outline.pen, palette_, scale_);
  }

private:
  // GDI turns no ellipse but through a world transform: a turned one is drawn
  // through the points of its outline.
  void Turned(const EllipseShape& ellipse) const {
    const std::vector<PicturePoint> points = EllipsePoints(ellipse);
    if (ellipse.part == EllipsePart::Whole) {
      PaintPolygon(dc_, points, ellipse.fill, ellipse.stroke, ellipse.pen, palette_, scale_);
    } else if (ellipse.stroke) {
      PaintLines(dc_, {points}, *ellipse.stroke, ellipse.pen, palette_, scale_);
    }
  }

  HDC dc_;
  const Palette& palette_;
  UINT dpi_;
  Scale scale_;
};

}  // namespace

void PaintDisplayList(HDC dc, const DisplayList& list, const Palette& palette, UINT dpi) {
  for (const Shape& shape : list.shapes) std::visit(ShapePainter(dc, palette, dpi), shape.figure);
}

}  // namespace celforo::win32
