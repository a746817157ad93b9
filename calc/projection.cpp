#include "calc/projection.h"

#include "calc/checked_arithmetic.h"

namespace celforo {

Computed<ProjectionResults> ComputeProjection(const ProjectionInputs& inputs) {
  CheckedArithmetic a;
  const double objective = a.Checked(inputs.objectiveFocalLength);
  const double eyepiece = a.Checked(inputs.eyepieceFocalLength);
  const double extraction = a.Checked(inputs.eyepieceExtraction);
  ProjectionResults results{};
  results.magnification = a.Quotient(eyepiece, extraction);
  results.equivalentFocalLength = a.Checked(results.magnification * objective);
  results.focalPlaneDistance = a.Checked(eyepiece * a.Checked(1.0 + results.magnification));
  return a.Result(results);
}

Computed<double> ExtractionForFocalLength(double objectiveFocalLength, double eyepieceFocalLength,
                                          double equivalentFocalLength) {
  CheckedArithmetic a;
  const double product =
      a.Checked(a.Checked(eyepieceFocalLength) * a.Checked(objectiveFocalLength));
  return a.Result(a.Quotient(product, a.Checked(equivalentFocalLength)));
}

Computed<double> ExtractionForMagnification(double eyepieceFocalLength, double magnification) {
  CheckedArithmetic a;
  return a.Result(a.Quotient(a.Checked(eyepieceFocalLength), a.Checked(magnification)));
}

}  // namespace celforo
