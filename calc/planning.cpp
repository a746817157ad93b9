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
double HalfTangent(CheckedArithmetic& a, double diameter) {
  return a.Checked(std::tan(a.Checked(diameter) * kRadiansPerArcsecond / 2.0));
}

// The equivalent focal length that gives `imageScale` with `pixelSize`.
double FocalLengthForImageScale(CheckedArithmetic& a, double pixelSize, double imageScale) {
  return a.Quotient(a.Checked(kImageScaleFactor * a.Checked(pixelSize)), a.Checked(imageScale));
}

}  // namespace

Computed<double> FocalRatio(double equivalentFocalLength, double aperture) {
  CheckedArithmetic a;
  return a.Result(a.Quotient(a.Checked(equivalentFocalLength), a.Checked(aperture)));
}

Computed<double> ImageScale(double equivalentFocalLength, double pixelSize) {
  CheckedArithmetic a;
  return a.Result(a.Quotient(a.Checked(kImageScaleFactor * a.Checked(pixelSize)),
                             a.Checked(equivalentFocalLength)));
}

Computed<double> FieldOfView(double equivalentFocalLength, double pixelSize, double pixels) {
  CheckedArithmetic a;
  const double across = a.Checked(a.Checked(pixels) * a.Checked(pixelSize));
  const double halfTangent =
      a.Quotient(across, a.Checked(2000.0 * a.Checked(equivalentFocalLength)));
  return a.Result(a.Checked(2.0 * std::atan(halfTangent) * kArcminutesPerRadian));
}

Computed<double> ExtractionForFocalRatio(double objectiveFocalLength, double eyepieceFocalLength,
                                         double aperture, double focalRatio) {
  CheckedArithmetic a;
  const double focalLength = a.Checked(a.Checked(focalRatio) * a.Checked(aperture));
  return a.Result(
      a.Take(ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength, focalLength)));
}

Computed<double> ExtractionForImageScale(double objectiveFocalLength, double eyepieceFocalLength,
                                         double pixelSize, double imageScale) {
  CheckedArithmetic a;
  const double focalLength = FocalLengthForImageScale(a, pixelSize, imageScale);
  return a.Result(
      a.Take(ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength, focalLength)));
}

Computed<double> Sampling(double focalRatio, double wavelength, double pixelSize) {
  CheckedArithmetic a;
  const double wavelengthMicrometres = a.Checked(wavelength) / kNanometresPerMicrometre;
  return a.Result(
      a.Quotient(a.Checked(wavelengthMicrometres * a.Checked(focalRatio)), a.Checked(pixelSize)));
}

Computed<double> DiscPixels(double equivalentFocalLength, double pixelSize, double diameter) {
  CheckedArithmetic a;
  const double across =
      a.Checked(2000.0 * a.Checked(equivalentFocalLength) * HalfTangent(a, diameter));
  return a.Result(a.Quotient(across, a.Checked(pixelSize)));
}

Computed<double> LongestCapture(double imageScale, double rotationHours, double diameter) {
  CheckedArithmetic a;
  const double period = a.Checked(a.Checked(rotationHours) * kSecondsPerHour);
  return a.Result(a.Quotient(a.Checked(a.Checked(imageScale) * period),
                             a.Checked(std::numbers::pi * a.Checked(diameter))));
}

Computed<double> ExtractionForSampling(double objectiveFocalLength, double eyepieceFocalLength,
                                       double aperture, double pixelSize, double wavelength,
                                       double sampling) {
  CheckedArithmetic a;
  const double wavelengthMicrometres = a.Checked(wavelength) / kNanometresPerMicrometre;
  const double focalRatio =
      a.Quotient(a.Checked(a.Checked(sampling) * a.Checked(pixelSize)), wavelengthMicrometres);
  return a.Result(a.Take(
      ExtractionForFocalRatio(objectiveFocalLength, eyepieceFocalLength, aperture, focalRatio)));
}

Computed<double> ExtractionForDiscPixels(double objectiveFocalLength, double eyepieceFocalLength,
                                         double pixelSize, double diameter, double pixels) {
  CheckedArithmetic a;
  const double focalLength = a.Quotient(a.Checked(a.Checked(pixels) * a.Checked(pixelSize)),
                                        a.Checked(2000.0 * HalfTangent(a, diameter)));
  return a.Result(
      a.Take(ExtractionForFocalLength(objectiveFocalLength, eyepieceFocalLength, focalLength)));
}

Computed<double> FieldStopPixels(double fieldStop, double magnification, double pixelSize) {
  CheckedArithmetic a;
  const double onSensor = a.Checked(a.Checked(fieldStop) * a.Checked(magnification));
  return a.Result(
      a.Quotient(a.Checked(onSensor * kMicrometresPerMillimetre), a.Checked(pixelSize)));
}

// The corners lie sqrt(width^2 + height^2) / 2 from the centre; a stop
// imaged with a negative magnification (inverted) is as large as its size.
bool CornersOutsideStop(double width, double height, double stopPixels) {
  return std::hypot(width, height) > std::fabs(stopPixels);
}

}  // namespace celforo
