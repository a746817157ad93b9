#include "cli/planning_columns.h"

#include "calc/numeric_text.h"
#include "calc/planning.h"

namespace celforo::cli {
namespace {

constexpr double kMostPixels = 1'000'000;

// A whole number of pixels, digits alone, or nothing.
std::optional<double> ParsePixelCount(std::string_view text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  double count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
  }
  if (count < 1 || count > kMostPixels) return std::nullopt;
  return count;
}

}  // namespace

std::vector<std::string_view> PlanningColumns::Captions() const {
  std::vector<std::string_view> captions;
  if (aperture) captions.push_back(kFocalRatioCaption);
  if (pixelSize) captions.push_back(kImageScaleCaption);
  if (pixelSize && pixels) {
    captions.push_back(kFieldWidthCaption);
    captions.push_back(kFieldHeightCaption);
  }
  return captions;
}

std::vector<std::string> PlanningColumns::Texts(double equivalentFocalLength) const {
  std::vector<std::string> texts;
  if (aperture) texts.push_back(ResultText(FocalRatio(equivalentFocalLength, *aperture)));
  if (pixelSize) texts.push_back(ResultText(ImageScale(equivalentFocalLength, *pixelSize)));
  if (pixelSize && pixels) {
    texts.push_back(ResultText(FieldOfView(equivalentFocalLength, *pixelSize, pixels->width)));
    texts.push_back(ResultText(FieldOfView(equivalentFocalLength, *pixelSize, pixels->height)));
  }
  return texts;
}

std::optional<SensorPixels> ParseSensorPixels(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<double> width = ParsePixelCount(text.substr(0, x));
  const std::optional<double> height = ParsePixelCount(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return SensorPixels{*width, *height};
}

}  // namespace celforo::cli
