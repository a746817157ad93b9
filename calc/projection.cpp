#include "calc/projection.h"

#include <cmath>

#include "calc/run_time_error.h"

namespace celforo {
namespace {

double Checked(double value) {
  if (!std::isfinite(value)) throw RunTimeError(RunTimeErrorKind::Overflow);
  return value;
}

}  // namespace

ProjectionResults ComputeProjection(const ProjectionInputs& inputs) {
  const double objective = Checked(inputs.objectiveFocalLength);
  const double eyepiece = Checked(inputs.eyepieceFocalLength);
  const double extraction = Checked(inputs.eyepieceExtraction);
  if (extraction == 0.0) {
    throw RunTimeError(eyepiece == 0.0 ? RunTimeErrorKind::Overflow
                                       : RunTimeErrorKind::DivisionByZero);
  }
  ProjectionResults results{};
  results.magnification = Checked(eyepiece / extraction);
  results.equivalentFocalLength = Checked(results.magnification * objective);
  results.focalPlaneDistance = Checked(eyepiece * Checked(1.0 + results.magnification));
  return results;
}

}  // namespace celforo
