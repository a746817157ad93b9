#include "calc/planning.h"

#include <cmath>
#include <numbers>

#include "calc/checked_arithmetic.h"
#include "calc/projection.h"

namespace celforo {
namespace {

constexpr double kArcminutesPerRadian = 10800.0 / std::numbers::pi;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kNanometresPerMicrometre = 1000.0;
constexpr double kMicrometresPerMillimetre = 1000.0;

// tan(diameter / 2) of an angle in arcseconds.
double HalfTangent(double diameter) {
  return Checked(std::tan(Checked(diameter) * kRadiansPerArcsecond / 2.0));
}

// The equivalent focal length that gives `imageScale` with `pixelSize`.
double FocalLengthForImageScale(double pixelSize, double imageScale) {
  return CheckedQuotient(Checked(kImageScaleFactor * Checked(pixelSize)), Checked(imageScale));
}

}  // namespace

double FocalRatio(double equivalentFocalLength, double aperture) {
  return CheckedQuotient(Checked(equivalentFocalLength), Checked(aperture));
}

double ImageScale(double equivalentFocalLength, double pixelSize) {
  return CheckedQuotient(Checked(kImageScaleFactor * Checked(pixelSize)),
                         Checked(equivalentFocalLength));
}

double FieldOfView(double equivalentFocalLength, double pixelSize, double pixels) {
  const double across = Checked(Checked(pixels) * Checked(pixelSize));
  const double halfTangent =
      CheckedQuotient(across, Checked(2000.0 * Checked(equivalentFocalLength)));
  return Checked(2.0 * std::atan(halfTangent) * kArcminutesPerRadian);
}

double ExtractionForFocalRatio(double objectiveFocalLength, double eyepieceFocalLength,
                               double aperture, double focalRatio) {
  const double focalLength = Checked(Checked(focalRatio) * Checked(aperture));
  return ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength, focalLength);
}

double ExtractionForImageScale(double objectiveFocalLength, double eyepieceFocalLength,
                               double pixelSize, double imageScale) {
  return ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength,
                                  FocalLengthForImageScale(pixelSize, imageScale));
}

double Sampling(double focalRatio, double wavelength, double pixelSize) {
  const double wavelengthMicrometres = Checked(wavelength) / kNanometresPerMicrometre;
  return CheckedQuotient(Checked(wavelengthMicrometres * Checked(focalRatio)), Checked(pixelSize));
}

double DiscPixels(double equivalentFocalLength, double pixelSize, double diameter) {
  const double across = Checked(2000.0 * Checked(equivalentFocalLength) * HalfTangent(diameter));
  return CheckedQuotient(across, Checked(pixelSize));
}

double LongestCapture(double imageScale, double rotationHours, double diameter) {
  const double period = Checked(Checked(rotationHours) * kSecondsPerHour);
  return CheckedQuotient(Checked(Checked(imageScale) * period),
                         Checked(std::numbers::pi * Checked(diameter)));
}

double ExtractionForSampling(double objectiveFocalLength, double eyepieceFocalLength,
                             double aperture, double pixelSize, double wavelength,
                             double sampling) {
  const double wavelengthMicrometres = Checked(wavelength) / kNanometresPerMicrometre;
  const double focalRatio =
      CheckedQuotient(Checked(Checked(sampling) * Checked(pixelSize)), wavelengthMicrometres);
  return ExtractionForFocalRatio(objectiveFocalLength, eyepieceFocalLength, aperture, focalRatio);
}

double ExtractionForDiscPixels(double objectiveFocalLength, double eyepieceFocalLength,
                               double pixelSize, double diameter, double pixels) {
  const double focalLength = CheckedQuotient(Checked(Checked(pixels) * Checked(pixelSize)),
                                             Checked(2000.0 * HalfTangent(diameter)));
  return ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength, focalLength);
}

double FieldStopPixels(double fieldStop, double magnification, double pixelSize) {
  const double onSensor = Checked(Checked(fieldStop) * Checked(magnification));
  return CheckedQuotient(Checked(onSensor * kMicrometresPerMillimetre), Checked(pixelSize));
}

// The corners lie sqrt(width^2 + height^2) / 2 from the centre; a stop
// imaged with a negative magnification (inverted) is as large as its size.
bool CornersOutsideStop(double width, double height, double stopPixels) {
  return std::hypot(width, height) > std::fabs(stopPixels);
}

}  // namespace celforo
