#include "cli/row.h"

#include "calc/numeric_text.h"

namespace celforo::cli {

Row Calculate(const ProjectionInputs& inputs, bool showExtraction) {
  const ProjectionResults results = ComputeProjection(inputs);
  Row row;
  row.results = {ResultText(results.magnification), ResultText(results.equivalentFocalLength),
                 ResultText(results.focalPlaneDistance)};
  if (showExtraction) row.extraction = SignedNumberText(inputs.eyepieceExtraction);
  return row;
}

}  // namespace celforo::cli
