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

void Calculator::Fill(const ProjectionInputs& inputs, Row& row) const {
  const ProjectionResults results = ComputeProjection(inputs);
  if (columns_.withExtraction()) {
    row.fields[row.count++] = SignedNumberText(inputs.eyepieceExtraction);
  }
  row.fields[row.count++] = ResultText(results.magnification);
  row.fields[row.count++] = ResultText(results.equivalentFocalLength);
  row.fields[row.count++] = ResultText(results.focalPlaneDistance);
  for (const PlanColumn* column : columns_.plan()) {
    row.fields[row.count++] =
        ResultText(column->compute(cameraAndTarget_, results.equivalentFocalLength));
  }
}

// The row is filled where the outcome holds it: a batch of a million lines
// moves no texts.
Outcome Calculator::Calculate(const ProjectionInputs& inputs) const {
  Outcome outcome(std::in_place_type<Row>);
  try {
    Fill(inputs, std::get<Row>(outcome));
  } catch (const RunTimeError& error) {
    outcome = Failure{error.kind()};
  }
  return outcome;
}

Outcome Calculator::Calculate(const Solve& solve) const {
  Outcome outcome(std::in_place_type<Row>);
  try {
    Fill({solve.objective, solve.eyepiece, ExtractionFor(solve, cameraAndTarget_)},
         std::get<Row>(outcome));
  } catch (const RunTimeError& error) {
    outcome = Failure{error.kind()};
  }
  return outcome;
}

}  // namespace celforo::cli
