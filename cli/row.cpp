#include "cli/row.h"

#include "calc/numeric_text.h"

namespace celforo::cli {

std::vector<std::string_view> RowCaptions(bool withExtraction, const PlanningColumns& planning) {
  std::vector<std::string_view> captions;
  if (withExtraction) captions.push_back(kExtractionCaption);
  captions.insert(captions.end(), kResultCaptions.begin(), kResultCaptions.end());
  const std::vector<std::string_view> planningCaptions = planning.Captions();
  captions.insert(captions.end(), planningCaptions.begin(), planningCaptions.end());
  return captions;
}

Row Calculate(const ProjectionInputs& inputs, bool showExtraction,
              const PlanningColumns& planning) {
  const ProjectionResults results = ComputeProjection(inputs);
  Row row;
  row.results = {ResultText(results.magnification), ResultText(results.equivalentFocalLength),
                 ResultText(results.focalPlaneDistance)};
  row.planning = planning.Texts(results.equivalentFocalLength);
  if (showExtraction) row.extraction = SignedNumberText(inputs.eyepieceExtraction);
  return row;
}

}  // namespace celforo::cli
