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
  TargetDisc,     // a target's disc
  TargetRings,    // Saturn's rings
  SensorFrame,    // the sensor's field
  PictureText,    // the planning picture's caption line
  ProblemText,    // the panel's lines that say what is wrong with an input
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
}};

enum class Theme { Day, Night };

constexpr const Palette& PaletteOf(Theme theme) {
  return theme == Theme::Night ? kNightPalette : kDayPalette;
}

}  // namespace celforo
