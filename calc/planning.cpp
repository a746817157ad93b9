#include "calc/planning.h"

#include <cmath>
#include <numbers>

#include "calc/checked_arithmetic.h"
#include "calc/projection.h"

namespace celforo {
namespace {

constexpr double kArcminutesPerRadian = 10800.0 / std::numbers::pi;

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

}  // namespace celforo
