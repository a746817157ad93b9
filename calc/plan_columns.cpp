#include "calc/plan_columns.h"

#include "calc/planning.h"

namespace celforo {
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

double Diameter(const CameraAndTarget& c) {
  return c.target->size.diameter;
}

}  // namespace

namespace plan_columns {

bool HasAperture(const CameraAndTarget& c) {
  return c.aperture.has_value();
}
bool HasPixels(const CameraAndTarget& c) {
  return c.pixelSize.has_value();
}
bool HasSensor(const CameraAndTarget& c) {
  return c.pixelSize && c.sensor;
}
bool HasTarget(const CameraAndTarget& c) {
  return c.target.has_value();
}
bool HasTargetAndPixels(const CameraAndTarget& c) {
  return c.target && c.pixelSize;
}
bool HasRings(const CameraAndTarget& c) {
  return c.target && RecordOf(c.target->target).ringsRadius > 0;
}
bool HasApertureAndPixels(const CameraAndTarget& c) {
  return c.aperture && c.pixelSize;
}
bool HasTurningTarget(const CameraAndTarget& c) {
  return c.target && c.pixelSize && RecordOf(c.target->target).rotationHours > 0;
}

double FocalRatioOf(const CameraAndTarget& c, double focalLength) {
  return FocalRatio(focalLength, *c.aperture);
}
double ImageScaleOf(const CameraAndTarget& c, double focalLength) {
  return ImageScale(focalLength, *c.pixelSize);
}
double FieldWidthOf(const CameraAndTarget& c, double focalLength) {
  return FieldOfView(focalLength, *c.pixelSize, c.sensor->width);
}
double FieldHeightOf(const CameraAndTarget& c, double focalLength) {
  return FieldOfView(focalLength, *c.pixelSize, c.sensor->height);
}
double DiameterOf(const CameraAndTarget& c, double) {
  return Diameter(c);
}
double DiscPixelsOf(const CameraAndTarget& c, double focalLength) {
  return DiscPixels(focalLength, *c.pixelSize, Diameter(c));
}
double RingsOf(const CameraAndTarget& c, double) {
  return c.target->size.ringsDiameter;
}
double SamplingOf(const CameraAndTarget& c, double focalLength) {
  return Sampling(FocalRatio(focalLength, *c.aperture), c.wavelength, *c.pixelSize);
}
double CaptureOf(const CameraAndTarget& c, double focalLength) {
  return LongestCapture(ImageScale(focalLength, *c.pixelSize),
                        RecordOf(c.target->target).rotationHours, Diameter(c));
}

double ForFocalRatio(double objective, double eyepiece, const CameraAndTarget& c, double value) {
  return ExtractionForFocalRatio(objective, eyepiece, *c.aperture, value);
}
double ForImageScale(double objective, double eyepiece, const CameraAndTarget& c, double value) {
  return ExtractionForImageScale(objective, eyepiece, *c.pixelSize, value);
}
double ForSampling(double objective, double eyepiece, const CameraAndTarget& c, double value) {
  return ExtractionForSampling(objective, eyepiece, *c.aperture, *c.pixelSize, c.wavelength, value);
}
double ForDiscPixels(double objective, double eyepiece, const CameraAndTarget& c, double value) {
  return ExtractionForDiscPixels(objective, eyepiece, *c.pixelSize, Diameter(c), value);
}

}  // namespace plan_columns

std::optional<SensorPixels> ParseSensorPixels(std::string_view text) {
  constexpr std::string_view kTimes = "\xC3\x97";  // U+00D7 MULTIPLICATION SIGN in UTF-8
  std::size_t separator = text.find('x');
  std::size_t separatorLength = 1;
  if (separator == std::string_view::npos) {
    separator = text.find(kTimes);
    separatorLength = kTimes.size();
  }
  if (separator == std::string_view::npos) return std::nullopt;
  const std::optional<double> width = ParsePixelCount(text.substr(0, separator));
  const std::optional<double> height = ParsePixelCount(text.substr(separator + separatorLength));
  if (!width || !height) return std::nullopt;
  return SensorPixels{*width, *height};
}

}  // namespace celforo
