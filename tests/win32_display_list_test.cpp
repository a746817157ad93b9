// Display lists painted with GDI into a bitmap at the run's DPI: every kind
// of shape where it belongs, by day and by night, as QPainter and the
// browsers paint them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/shape_sample.h"
#include "tests/support/win32_screen.h"
#include "win32/display_list_painter.h"
#include "win32/gdi.h"
#include "win32/png_encoder.h"

namespace celforo::win32 {
namespace {

using testing::kInkRegions;
using testing::kShapeProbes;

UINT RunDpi() {
  const char* dpi = std::getenv("CELFORO_TEST_DPI");
  return dpi != nullptr ? static_cast<UINT>(std::atoi(dpi)) : 96;
}

// A list painted into a 32-bit bitmap first filled with magenta, which no
// shape paints; its pixels as 0xRRGGBB.
struct Painting {
  int width, height;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFF;
  }
};

Painting Paint(const DisplayList& list, const Palette& palette, UINT dpi) {
  Painting painting{static_cast<int>(std::lround(list.width * dpi / 96.0)),
                    static_cast<int>(std::lround(list.height * dpi / 96.0)),
                    {}};
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), painting.width, -painting.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const Bitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    const Selection selected(memory, bitmap.get());
    const RECT all{0, 0, painting.width, painting.height};
    FillRect(memory, &all, SolidBrush({255, 0, 255}).get());
    PaintDisplayList(memory, list, palette, dpi);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    painting.pixels.assign(pixels, pixels + painting.width * painting.height);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return painting;
}

std::uint32_t Packed(Rgb colour) {
  return static_cast<std::uint32_t>(colour.red << 16 | colour.green << 8 | colour.blue);
}

TEST(Win32DisplayList, EveryShapeWhereItBelongs) {
  const UINT dpi = RunDpi();
  const double scale = dpi / 96.0;
  for (const Theme theme : {Theme::Day, Theme::Night}) {
    const bool night = theme == Theme::Night;
    SCOPED_TRACE(night ? "by night" : "by day");
    const Palette& palette = PaletteOf(theme);
    const Painting painting = Paint(testing::ShapeSample(), palette, dpi);
    for (const testing::ShapeProbe& probe : kShapeProbes) {
      const std::uint32_t seen =
          painting.At(static_cast<int>(probe.x * scale), static_cast<int>(probe.y * scale));
      EXPECT_EQ(seen, Packed(Colour(palette, probe.role)))
          << probe.what << " (" << probe.x << ", " << probe.y << ")";
    }
    const std::uint32_t sky = Packed(Colour(palette, Role::SkyGround));
    for (const testing::InkRegion& region : kInkRegions) {
      int inked = 0;
      for (int y = static_cast<int>(region.box.top * scale);
           y < static_cast<int>((region.box.top + region.box.height) * scale); ++y)
        for (int x = static_cast<int>(region.box.left * scale);
             x < static_cast<int>((region.box.left + region.box.width) * scale); ++x)
          inked += painting.At(x, y) != sky;
      EXPECT_EQ(inked > 0, region.inked) << region.what << ": " << inked << " pixels inked";
    }
    if (night) {
      int notNight = 0;
      for (const std::uint32_t pixel : painting.pixels) notNight += (pixel & 0xFFFF) != 0;
      EXPECT_EQ(notNight, 0);
    }
    if (const char* folder = std::getenv("CELFORO_SCREENSHOT_DIR"))
      WriteBmp(std::string(folder) + "/shapes-gdi-" + (night ? "night-" : "day-") +
                   std::to_string(dpi) + ".bmp",
               painting.width, painting.height, painting.pixels);
  }
}

// What lies far outside the picture, or is not a number, paints nothing
// amiss and does not stop what follows from being painted.
TEST(Win32DisplayList, FarAndBrokenShapesHarmNothing) {
  const double nan = std::nan("");
  DisplayList list;
  list.width = 40;
  list.height = 40;
  list.shapes.push_back({RectShape{{0, 0, 40, 40}, Role::SkyGround, std::nullopt, 0}, {}});
  list.shapes.push_back({PolylineShape{{{-1e12, 5}, {1e12, 5}}, Role::AltitudeCurve, 2, 4}, {}});
  list.shapes.push_back(
      {PathShape{{{nan, 0}, {10, nan}, {20, 20}}, Role::TargetDisc, std::nullopt, 1}, {}});
  list.shapes.push_back(
      {EllipseShape{1e15, 1e15, 1e15, 5, Role::RedSpot, std::nullopt, 0, EllipsePart::Whole, 10},
       {}});
  list.shapes.push_back({RectShape{{20, 20, 10, 10}, Role::MoonDisc, std::nullopt, 0}, {}});
  const Painting painting = Paint(list, kDayPalette, 96);
  EXPECT_EQ(painting.At(25, 25), Packed(Colour(kDayPalette, Role::MoonDisc)));
  EXPECT_EQ(painting.At(35, 35), Packed(Colour(kDayPalette, Role::SkyGround)));
}

// The exported PNG: CRC-32 as published (the check value of "123456789",
// and IEND's CRC every PNG file ends with), and a 1 x 1 red image byte for
// byte: signature, IHDR, the row in one stored deflate block with its
// Adler-32 (1 + 255 = 256, 1 + 256 * 3 = 769), IEND.
TEST(Win32Png, EncodesAsThePngStandardSays) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32("IEND"), 0xAE426082u);
  const std::vector<std::uint32_t> red{0xFF0000};
  const std::string png = EncodePng(1, 1, red);
  const auto chunk = [](std::string type, std::string data) {
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<char>((data.size() >> shift) & 0xFF));
    const std::uint32_t crc = Crc32(type + data);
    out += type + data;
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(static_cast<char>((crc >> shift) & 0xFF));
    return out;
  };
  const std::string expected =
      std::string("\x89PNG\r\n\x1A\n", 8) +
      chunk("IHDR", std::string("\0\0\0\1\0\0\0\1\x08\x02\0\0\0", 13)) +
      chunk("IDAT",
            std::string("\x78\x01\x01\x04\x00\xFB\xFF\x00\xFF\x00\x00\x03\x01\x01\x00", 15)) +
      chunk("IEND", "");
  EXPECT_EQ(png, expected);
  EXPECT_EQ(png.substr(png.size() - 4), std::string("\xAE\x42\x60\x82", 4));
  // More than one stored block: 200 x 200 is 120,200 bytes of rows.
  const std::vector<std::uint32_t> grey(200 * 200, 0x808080);
  const std::string large = EncodePng(200, 200, grey);
  EXPECT_GT(large.size(), 120200u);
  EXPECT_LT(large.size(), 120200u + 100);
}

}  // namespace
}  // namespace celforo::win32
