#include "win32/fonts.h"

#include <cmath>

#include "ui/form1_layout.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

static_assert(kFontSubstitutes[0] == "Microsoft Sans Serif");

Font MakeFont(int height, int weight, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = ANSI_CHARSET;  // western
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  Widen(FontFamilyAt(dpi)).copy(font.lfFaceName, LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace

std::string_view FontFamilyAt(UINT dpi) {
  return dpi <= 96 ? kFontFamily : kFontSubstitutes[0];
}

Font ElementFont(double points, UINT dpi) {
  // The character height, negative: points at `dpi` dots to 72 points.
  return MakeFont(-static_cast<int>(std::lround(points * dpi / 72)), FW_BOLD, dpi);
}

Font PictureFont(int pixels, int weight, UINT dpi) {
  return MakeFont(-ScaleForDpi(pixels, dpi), weight, dpi);
}

}  // namespace celforo::win32
