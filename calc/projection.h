// The optics of eyepiece projection. All lengths share one unit, whichever
// the user chooses; the magnification is a pure number.
#pragma once

#include "calc/run_time_error.h"

namespace celforo {

struct ProjectionInputs {
  double objectiveFocalLength;
  double eyepieceFocalLength;
  double eyepieceExtraction;
};

struct ProjectionResults {
  double magnification;          // eyepiece / extraction
  double equivalentFocalLength;  // magnification * objective
  double focalPlaneDistance;     // eyepiece * (1 + magnification)
};

// Computes the three results in that order, each step from the unrounded one
// before: 2500, 5, 3 give 1.6666666666666667, 4166.666666666667 and
// 13.333333333333336. Fails with DivisionByZero for an extraction of zero,
// with Overflow for 0 / 0, for an input that is not finite and for a step
// whose result is not finite.
Computed<ProjectionResults> ComputeProjection(const ProjectionInputs& inputs);

// The extraction that gives an equivalent focal length: eyepiece * objective
// / focalLength, so 2500, 5 and 4166.666667 give 2.99999999976. Fails as
// ComputeProjection does (DivisionByZero for a focal length of zero, Overflow
// for 0 / 0 and for anything not finite).
Computed<double> ExtractionForFocalLength(double objectiveFocalLength, double eyepieceFocalLength,
                                          double equivalentFocalLength);

// The extraction that gives a magnification: eyepiece / magnification, so 5
// and 2 give 2.5. Fails as ExtractionForFocalLength does.
Computed<double> ExtractionForMagnification(double eyepieceFocalLength, double magnification);

}  // namespace celforo
