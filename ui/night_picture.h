// The night's picture: the target's altitude from the Sun's setting to its
// rising, drawn by the night's curve to the size its element in the panel's
// table has (form2.h holds them in step).
#pragma once

namespace celforo {

// The picture's size, in its units (pixels at 96 dots per inch).
inline constexpr double kNightPictureWidth = 321;
inline constexpr double kNightPictureHeight = 150;

}  // namespace celforo
