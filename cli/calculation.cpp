#include "cli/calculation.h"

#include <variant>

#include "calc/numeric_text.h"
#include "calc/run_time_error.h"
#include "cli/overloaded.h"

namespace celforo::cli {
namespace {

double ExtractionFor(const Solve& solve, const CameraAndTarget& cameraAndTarget) {
  return std::visit(Overloaded{[&](ProjectionAim aim) {
                                 return aim == ProjectionAim::FocalLength
                                            ? ExtractionForFocalLength(solve.objective,
                                                                       solve.eyepiece, solve.value)
                                            : ExtractionForMagnification(solve.eyepiece,
                                                                         solve.value);
                               },
                               [&](PlanAim aim) {
                                 return SolveFor(aim).extraction(solve.objective, solve.eyepiece,
                                                                 cameraAndTarget, solve.value);
                               }},
                    solve.aim);
}

}  // namespace

Row Calculator::Texts(const ProjectionInputs& inputs) const {
  const ProjectionResults results = ComputeProjection(inputs);
  Row row;
  if (columns_.withExtraction())
    row.fields[row.count++] = SignedNumberText(inputs.eyepieceExtraction);
  row.fields[row.count++] = ResultText(results.magnification);
  row.fields[row.count++] = ResultText(results.equivalentFocalLength);
  row.fields[row.count++] = ResultText(results.focalPlaneDistance);
  for (const PlanColumn* column : columns_.plan()) {
    row.fields[row.count++] =
        ResultText(column->compute(cameraAndTarget_, results.equivalentFocalLength));
  }
  return row;
}

Outcome Calculator::Calculate(const ProjectionInputs& inputs) const {
  try {
    return Texts(inputs);
  } catch (const RunTimeError& error) {
    return Failure{error.kind()};
  }
}

Outcome Calculator::Calculate(const Solve& solve) const {
  try {
    return Texts({solve.objective, solve.eyepiece, ExtractionFor(solve, cameraAndTarget_)});
  } catch (const RunTimeError& error) {
    return Failure{error.kind()};
  }
}

}  // namespace celforo::cli
