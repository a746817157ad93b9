#include "calc/projection.h"

#include "calc/checked_arithmetic.h"

namespace celforo {

ProjectionResults ComputeProjection(const ProjectionInputs& inputs) {
  const double objective = Checked(inputs.objectiveFocalLength);
  const double eyepiece = Checked(inputs.eyepieceFocalLength);
  const double extraction = Checked(inputs.eyepieceExtraction);
  ProjectionResults results{};
  results.magnification = CheckedQuotient(eyepiece, extraction);
  results.equivalentFocalLength = Checked(results.magnification * objective);
  results.focalPlaneDistance = Checked(eyepiece * Checked(1.0 + results.magnification));
  return results;
}

double ExtractionForFocalLength(double objectiveFocalLength, double eyepieceFocalLength,
                                double equivalentFocalLength) {
  const double product = Checked(Checked(eyepieceFocalLength) * Checked(objectiveFocalLength));
  return CheckedQuotient(product, Checked(equivalentFocalLength));
}

double ExtractionForMagnification(double eyepieceFocalLength, double magnification) {
  return CheckedQuotient(Checked(eyepieceFocalLength), Checked(magnification));
}

}  // namespace celforo
