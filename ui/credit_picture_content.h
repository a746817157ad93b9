// What Picture1 shows: a 178 x 117 credit panel, a boxed monogram above five
// centred lines, grey on pale cyan by day. Its figures are in pixels at 96
// dots per inch; every window system paints the display list made of them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/version.h"
#include "ui/display_list.h"
#include "ui/form1_layout.h"

namespace celforo {

struct PixelRect {
  int left, top, width, height;
};

struct CreditPictureContent {
  std::string_view name;  // what a screen reader calls the picture; the lines describe it
  int width, height;
  Role ink, ground;
  std::string_view monogram;
  PixelRect monogramBox;  // outlined with a pen of monogramPen pixels, inside the box
  int monogramPen;
  int monogramFontPixels;  // bold
  std::array<std::string_view, 5> lines;
  int linesTop, lineHeight, lineMargin;  // line i lies at linesTop + i * lineHeight
  int lineFontPixels;                    // regular weight
  std::string_view fontFamily;

  // The box line i is centred in: line 0 is {2, 40, 174, 15}.
  constexpr PixelRect LineBox(int line) const {
    return {lineMargin, linesTop + line * lineHeight, width - 2 * lineMargin, lineHeight};
  }
};

inline constexpr CreditPictureContent kCreditPicture{
    "CELFORO",
    178,
    117,
    Role::PictureInk,
    Role::PictureGround,
    "CF",
    {178 / 2 - 22, 6, 44, 28},
    2,
    18,
    {kNameAndVersion, "fotografia al telescopio", "in proiezione d'oculare",
     "ingrandimento, focale", "e piano focale"},
    40,
    15,
    2,
    11,
    kFontFamily,
};

// The picture's description for screen readers: its lines, one after the
// other: "CELFORO 1.00, fotografia al telescopio, ...".
std::string CreditPictureDescription();

// The picture as a display list: the ground, the monogram's box (its pen
// wholly inside the box), the monogram and the five lines.
DisplayList CreditPictureDisplayList();

}  // namespace celforo
