#include "win32/display_list_painter.h"

#include <algorithm>
#include <cmath>

#include "win32/fonts.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

// Picture units at the DPI, rounded as MulDiv rounds.
struct Scale {
  double factor;
  int operator()(double units) const { return static_cast<int>(std::lround(units * factor)); }
  RECT operator()(const PictureBox& box) const {
    return {(*this)(box.left), (*this)(box.top), (*this)(box.left + box.width),
            (*this)(box.top + box.height)};
  }
};

void Fill(HDC dc, const RECT& rect, Rgb colour) {
  const Brush brush = SolidBrush(colour);
  FillRect(dc, &rect, brush.get());
}

void Paint(HDC dc, const RectShape& rect, const Palette& palette, Scale scale) {
  if (rect.fill) Fill(dc, scale(rect.box), Colour(palette, *rect.fill));
  if (!rect.stroke) return;
  // The pen's band, half outside the box and half inside, as four sides.
  const double half = rect.pen / 2;
  const RECT outer = scale(PictureBox{rect.box.left - half, rect.box.top - half,
                                      rect.box.width + rect.pen, rect.box.height + rect.pen});
  const RECT inner = scale(PictureBox{rect.box.left + half, rect.box.top + half,
                                      rect.box.width - rect.pen, rect.box.height - rect.pen});
  const Rgb ink = Colour(palette, *rect.stroke);
  const RECT sides[] = {{outer.left, outer.top, outer.right, inner.top},
                        {outer.left, inner.bottom, outer.right, outer.bottom},
                        {outer.left, inner.top, inner.left, inner.bottom},
                        {inner.right, inner.top, outer.right, inner.bottom}};
  for (const RECT& side : sides) Fill(dc, side, ink);
}

void Paint(HDC dc, const EllipseShape& ellipse, const Palette& palette, Scale scale) {
  const int left = scale(ellipse.cx - ellipse.rx), right = scale(ellipse.cx + ellipse.rx);
  const int top = scale(ellipse.cy - ellipse.ry), bottom = scale(ellipse.cy + ellipse.ry);
  const int middle = scale(ellipse.cy);
  const Pen pen(ellipse.stroke ? CreatePen(PS_SOLID, std::max(1, scale(ellipse.pen)),
                                           ToColorRef(Colour(palette, *ellipse.stroke)))
                               : static_cast<HPEN>(GetStockObject(NULL_PEN)));
  const Brush brush(ellipse.fill && ellipse.part == EllipsePart::Whole
                        ? SolidBrush(Colour(palette, *ellipse.fill)).release()
                        : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  const Selection selectedPen(dc, pen.get());
  const Selection selectedBrush(dc, brush.get());
  switch (ellipse.part) {
    case EllipsePart::Whole: Ellipse(dc, left, top, right + 1, bottom + 1); break;
    // Counter-clockwise from the first end to the second: over the top from
    // the right end, under the bottom from the left one.
    case EllipsePart::UpperHalf:
      Arc(dc, left, top, right + 1, bottom + 1, right, middle, left, middle);
      break;
    case EllipsePart::LowerHalf:
      Arc(dc, left, top, right + 1, bottom + 1, left, middle, right, middle);
      break;
  }
}

void Paint(HDC dc, const TextShape& text, const Palette& palette, Scale scale, UINT dpi) {
  const Font font = PictureFont(static_cast<int>(std::lround(text.fontPixels)),
                                text.bold ? FW_BOLD : FW_NORMAL, dpi, text.text);
  const Selection selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Colour(palette, text.ink)));
  RECT where = scale(text.box);
  const std::wstring wide = Widen(text.text);
  const UINT across = text.align == TextAlign::Centre ? DT_CENTER : DT_LEFT;
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &where,
            across | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

}  // namespace

void PaintDisplayList(HDC dc, const DisplayList& list, const Palette& palette, UINT dpi) {
  const Scale scale{static_cast<double>(dpi) / 96.0};
  for (const Shape& shape : list.shapes) {
    if (const auto* rect = std::get_if<RectShape>(&shape.figure)) {
      Paint(dc, *rect, palette, scale);
    } else if (const auto* ellipse = std::get_if<EllipseShape>(&shape.figure)) {
      Paint(dc, *ellipse, palette, scale);
    } else if (const auto* text = std::get_if<TextShape>(&shape.figure)) {
      Paint(dc, *text, palette, scale, dpi);
    }
  }
}

}  // namespace celforo::win32
