// The colours the windows draw with, by day and by night. At night every
// colour is red on black (green and blue 0), so that eyes adapted to the dark
// stay adapted: the user dims the screen, not the colours.
#pragma once

#include <array>
#include <cstddef>

#include "ui/form1_layout.h"

namespace celforo {

// What a colour is for. Window systems and pictures name colours by role.
enum class Role : std::size_t {
  WindowGround,   // Form1's and the panel's background
  Text,           // every caption, box text and button text
  ResultGround,   // result labels and boxes
  ControlBorder,  // the lines around boxes, results and buttons
  ButtonFace,     // push buttons
  Frame,          // Shape1, the rectangle framing the results
  PictureGround,  // the credit picture's ground
  PictureInk,     // the credit picture's lines and letters
  SkyGround,      // the planning picture's sky
  TargetDisc,     // a target's disc, or its lit part
  TargetRings,    // Saturn's rings
  SensorFrame,    // the sensor's field
  PictureText,    // the planning picture's caption line
  ProblemText,    // the panel's lines naming a problem of its input, and the
                  // mark around that input
  // The disc as the camera sees it, over SkyGround:
  TargetDark,     // the part of the disc the Sun does not light: barely
                  // distinguishable from the sky
  MoonDisc,       // a planet's moons
  MoonShadow,     // a moon's shadow on the disc
  RedSpot,        // Jupiter's Great Red Spot
  MoonLabel,      // a moon's name, beside it or at the picture's edge
  FieldStop,      // the circle of the eyepiece's field stop
  NorthEastMark,  // the mark saying where north and east are, and its letters
  // The night's picture: the target's altitude from the Sun's setting to its
  // rising, over bands shaded by the Sun's depth below the horizon:
  Daylight,              // the Sun up: a midnight sun, the Sun's own day
  CivilTwilight,         // the Sun set, its centre down to 6 degrees below
  NauticalTwilight,      // 6 to 12
  AstronomicalTwilight,  // 12 to 18
  NightDark,             // beyond 18
  AltitudeCurve,         // the target's altitude
  MinimumAltitude,       // the line of the least altitude worth imaging at
  BestSpan,              // the span when the target stands above that line
  InstantMark,           // the panel's instant
  HourTick,              // the ticks of the hours on the bands
  HourLabel,             // the hours' figures, under the bands on the window's ground
  Count
};

using Palette = std::array<Rgb, static_cast<std::size_t>(Role::Count)>;

constexpr Rgb Colour(const Palette& palette, Role role) {
  return palette[static_cast<std::size_t>(role)];
}

inline constexpr Rgb kNightRed{255, 0, 0};
inline constexpr Rgb kNightDimRed{160, 0, 0};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr Palette kDayPalette{{
    kForm1.background,  // WindowGround
    {0, 0, 0},          // Text
    kResultBackground,  // ResultGround
    {122, 122, 122},    // ControlBorder
    {225, 225, 225},    // ButtonFace
    kFrameColour,       // Frame
    {187, 255, 255},    // PictureGround
    {128, 128, 128},    // PictureInk
    {16, 24, 48},       // SkyGround
    {236, 200, 140},    // TargetDisc
    {200, 180, 140},    // TargetRings
    {255, 255, 255},    // SensorFrame
    {0, 0, 0},          // PictureText
    {160, 0, 0},        // ProblemText
    {34, 40, 64},       // TargetDark
    {236, 232, 220},    // MoonDisc
    {0, 0, 0},          // MoonShadow
    {190, 86, 58},      // RedSpot
    {225, 225, 225},    // MoonLabel
    {255, 170, 60},     // FieldStop
    {170, 180, 200},    // NorthEastMark
    {120, 164, 220},    // Daylight
    {84, 112, 168},     // CivilTwilight
    {52, 72, 124},      // NauticalTwilight
    {32, 44, 84},       // AstronomicalTwilight
    {16, 24, 48},       // NightDark
    {255, 214, 90},     // AltitudeCurve
    {255, 128, 96},     // MinimumAltitude
    {76, 150, 104},     // BestSpan
    {255, 255, 255},    // InstantMark
    {200, 206, 220},    // HourTick
    {0, 0, 0},          // HourLabel
}};

inline constexpr Palette kNightPalette{{
    kBlack,        // WindowGround
    kNightRed,     // Text
    kBlack,        // ResultGround
    kNightRed,     // ControlBorder
    kBlack,        // ButtonFace
    kNightDimRed,  // Frame
    kBlack,        // PictureGround
    kNightRed,     // PictureInk
    kBlack,        // SkyGround
    kNightDimRed,  // TargetDisc
    kNightRed,     // TargetRings
    kNightRed,     // SensorFrame
    kNightRed,     // PictureText
    kNightRed,     // ProblemText
    {36, 0, 0},    // TargetDark
    kNightRed,     // MoonDisc
    kBlack,        // MoonShadow
    {90, 0, 0},    // RedSpot
    kNightRed,     // MoonLabel
    kNightRed,     // FieldStop
    kNightDimRed,  // NorthEastMark
    {96, 0, 0},    // Daylight
    {76, 0, 0},    // CivilTwilight
    {52, 0, 0},    // NauticalTwilight
    {30, 0, 0},    // AstronomicalTwilight
    kBlack,        // NightDark
    kNightRed,     // AltitudeCurve
    {200, 0, 0},   // MinimumAltitude
    {140, 0, 0},   // BestSpan
    kNightRed,     // InstantMark
    kNightDimRed,  // HourTick
    kNightRed,     // HourLabel
}};

// Night keeps green and blue at 0 in every role.
constexpr bool OnlyRed(const Palette& palette) {
  for (const Rgb& colour : palette)
    if (colour.green != 0 || colour.blue != 0) return false;
  return true;
}
static_assert(OnlyRed(kNightPalette));

enum class Theme { Day, Night };

constexpr const Palette& PaletteOf(Theme theme) {
  return theme == Theme::Night ? kNightPalette : kDayPalette;
}

}  // namespace celforo
