// The planning columns celforo-calc adds after the three results: focal
// ratio, image scale and field of view, each asked for by its option.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace celforo::cli {

inline constexpr std::string_view kFocalRatioCaption = "RAPPORTO FOCALE";
inline constexpr std::string_view kImageScaleCaption = "SCALA (ARCSEC/PIXEL)";
inline constexpr std::string_view kFieldWidthCaption = "CAMPO ORIZZ. (ARCMIN)";
inline constexpr std::string_view kFieldHeightCaption = "CAMPO VERT. (ARCMIN)";

// A sensor's size in pixels, from --pixels WxH.
struct SensorPixels {
  double width = 0;
  double height = 0;
};

// The telescope and camera data given on the command line.
struct PlanningColumns {
  std::optional<double> aperture;      // --aperture, in the set-up's length unit
  std::optional<double> pixelSize;     // --pixel-size, in micrometres
  std::optional<SensorPixels> pixels;  // --pixels, with --pixel-size

  // The captions of the columns asked for, in their order.
  std::vector<std::string_view> Captions() const;

  // The shown texts of those columns for an equivalent focal length, computed
  // in their order. Throws RunTimeError.
  std::vector<std::string> Texts(double equivalentFocalLength) const;
};

// The sensor WxH describes ("1280x960"): two whole numbers from 1 to
// 1,000,000; nothing for any other text.
std::optional<SensorPixels> ParseSensorPixels(std::string_view text);

}  // namespace celforo::cli
