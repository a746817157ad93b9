// The range of each quantity a set-up, celforo-calc's options and the kit
// take, for ReadStrictNumber: one place, so that a file, a link, an option
// and a field accept and refuse the same values. Bounds are inclusive.
#pragma once

#include "calc/strict_number.h"

namespace celforo {

// The telescope's aperture, in the set-up's length unit: 250.
inline constexpr NumberRule kApertureRule = kPositiveNumber;
// A camera's pixel, in micrometres: 3.75.
inline constexpr NumberRule kPixelSizeRule = kPositiveNumber;
// A sensor's width or height, in whole pixels: 1280.
inline constexpr NumberRule kSensorPixelsRule{true, 1, 1'000'000};
// The wavelength the sampling is reckoned at, in nanometres: 550.
inline constexpr NumberRule kWavelengthRule = kPositiveNumber;
// What a solve aims at (a focal ratio, an image scale, a sampling, a
// target's pixels): 20.
inline constexpr NumberRule kSolveValueRule = kPositiveNumber;
// The site: latitude north positive, longitude east positive, in degrees,
// and height above the sea in metres: 45.07, 7.69, 240.
inline constexpr NumberRule kLatitudeRule{false, -90, 90};
inline constexpr NumberRule kLongitudeRule{false, -180, 180};
inline constexpr NumberRule kHeightRule{false, -500, 9000};
// Either end of the band the air's dispersion is reckoned across, in
// nanometres (the shorter end first): 400 and 700.
inline constexpr NumberRule kBandRule{false, 300, 1100};
// The least altitude a target is worth imaging at, in degrees: 30.
inline constexpr NumberRule kMinAltitudeRule{false, 0, 90};
// The Great Red Spot's longitude in Jupiter's System II, in degrees: 62.
inline constexpr NumberRule kGrsRule{false, 0, 360};
// An eyepiece's field stop, in millimetres: 4.5.
inline constexpr NumberRule kFieldStopRule = kPositiveNumber;
// A telescope's or an eyepiece's focal length, in the set-up's length unit:
// 2032.
inline constexpr NumberRule kFocalLengthRule = kPositiveNumber;

}  // namespace celforo
