#include "win32/message_icon.h"

#include <algorithm>
#include <cmath>

namespace celforo::win32 {
namespace {

// Distance from (x, y) to the segment `line`.
double DistanceToLine(double x, double y, const Line& line) {
  const double dx = line.x2 - line.x1;
  const double dy = line.y2 - line.y1;
  const double length = dx * dx + dy * dy;
  double t = length > 0 ? ((x - line.x1) * dx + (y - line.y1) * dy) / length : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (line.x1 + t * dx), y - (line.y1 + t * dy));
}

// Whether the figure's point (x, y) is on the disc, and on a mark cut out of it.
bool OnDisc(double x, double y, const MessageIconFigure& f) {
  return std::hypot(x - f.discCentre, y - f.discCentre) <= f.discRadius;
}

bool OnMark(double x, double y, MessageKind kind, const MessageIconFigure& f) {
  const double half = f.markWidth / 2;
  if (kind == MessageKind::Error)
    return DistanceToLine(x, y, f.cross[0]) <= half || DistanceToLine(x, y, f.cross[1]) <= half;
  return DistanceToLine(x, y, f.bar) <= half ||
         std::hypot(x - f.discCentre, y - f.dotY) <= f.dotRadius;
}

}  // namespace

std::vector<std::uint32_t> MessageIconPixels(MessageKind kind, const Palette& palette, int size) {
  const MessageIconFigure& figure = kMessageIcon;
  const Rgb disc = Colour(palette, Role::Text);
  const Rgb mark = Colour(palette, Role::WindowGround);
  constexpr int kSamples = 4;  // a side
  const double unit = figure.size / size;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) *
                                    static_cast<std::size_t>(size));
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      int onDisc = 0;
      int onMark = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (column + (sx + 0.5) / kSamples) * unit;
          const double y = (row + (sy + 0.5) / kSamples) * unit;
          if (!OnDisc(x, y, figure)) continue;
          ++onDisc;
          onMark += OnMark(x, y, kind, figure);
        }
      }
      // Premultiplied: each channel is the colours' share of the samples.
      const auto channel = [&](int discValue, int markValue) {
        return static_cast<std::uint32_t>(((onDisc - onMark) * discValue + onMark * markValue) /
                                          (kSamples * kSamples));
      };
      const auto alpha = static_cast<std::uint32_t>(onDisc * 255 / (kSamples * kSamples));
      pixels[static_cast<std::size_t>(row * size + column)] =
          alpha << 24 | channel(disc.red, mark.red) << 16 | channel(disc.green, mark.green) << 8 |
          channel(disc.blue, mark.blue);
    }
  }
  return pixels;
}

Icon MakeMessageIcon(MessageKind kind, const Palette& palette, int size) {
  const std::vector<std::uint32_t> pixels = MessageIconPixels(kind, palette, size);
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = size;
  header.bV5Height = -size;  // top row first
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const Bitmap colour(CreateDIBSection(screen, reinterpret_cast<const BITMAPINFO*>(&header),
                                       DIB_RGB_COLORS, &bits, nullptr, 0));
  ReleaseDC(nullptr, screen);
  if (!colour || bits == nullptr) return nullptr;
  std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
  GdiFlush();
  // The alpha of the colour bitmap decides; the mask, all 0, is there
  // because an icon must have one. Its rows are whole 16-bit words.
  const std::vector<BYTE> zeros(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
  const Bitmap mask(CreateBitmap(size, size, 1, 1, zeros.data()));
  ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
  return Icon(CreateIconIndirect(&info));
}

}  // namespace celforo::win32
