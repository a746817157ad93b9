#include "win32/fonts.h"

#include <cmath>

#include "ui/form1_layout.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

static_assert(kFontSubstitutes[0] == "Microsoft Sans Serif");

// Whether the western code page, the bitmap font's, holds every character.
bool Western(std::string_view text) {
  const std::wstring wide = Widen(text);
  if (wide.empty()) return true;
  BOOL lost = FALSE;
  WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      nullptr, 0, nullptr, &lost);
  return !lost;
}

Font MakeFont(int height, int weight, std::string_view family) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = ANSI_CHARSET;  // western
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  Widen(family).copy(font.lfFaceName, LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&font));
}

}  // namespace

std::string_view FontFamilyAt(UINT dpi) {
  return dpi <= 96 ? kFontFamily : kFontSubstitutes[0];
}

Font ElementFont(double points, UINT dpi, bool outline) {
  // The character height, negative: points at `dpi` dots to 72 points.
  return MakeFont(-static_cast<int>(std::lround(points * dpi / 72)), FW_BOLD,
                  outline ? kFontSubstitutes[0] : FontFamilyAt(dpi));
}

Font PictureFont(int pixels, int weight, UINT dpi, std::string_view text) {
  return MakeFont(-ScaleForDpi(pixels, dpi), weight,
                  Western(text) ? FontFamilyAt(dpi) : kFontSubstitutes[0]);
}

}  // namespace celforo::win32
