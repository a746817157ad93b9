#include "cli/calculation.h"

#include <cstddef>
#include <variant>

#include "cli/field_text.h"
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

Calculator::Calculator(const CameraAndTarget& cameraAndTarget, Lead lead, bool json)
    : cameraAndTarget_(cameraAndTarget), columns_(lead, cameraAndTarget_), json_(json) {
  const std::span<const PlanColumn* const> plan = columns_.plan();
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (plan[i]->bySetUp) continue;
    try {
      constants_[i].text = ValueField(plan[i]->compute(cameraAndTarget_, {}), plan[i]->form, json_);
    } catch (const RunTimeError& error) {
      constants_[i].failure = error.kind();
    }
  }
}

void Calculator::Fill(const ProjectionInputs& inputs, Row& row) const {
  const ProjectionResults results = ComputeProjection(inputs);
  if (columns_.lead() == Lead::Extraction) {
    row.Add(InputField(inputs.eyepieceExtraction, json_));
  } else if (columns_.lead() == Lead::Time) {
    row.Add(InstantField(cameraAndTarget_.target->instant, json_));
  }
  for (const double result :
       {results.magnification, results.equivalentFocalLength, results.focalPlaneDistance}) {
    row.Add(NumberField(result, NumberForm::Result, json_));
  }
  const std::span<const PlanColumn* const> plan = columns_.plan();
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const PlanColumn& column = *plan[i];
    if (column.bySetUp) {
      row.Add(ValueField(column.compute(cameraAndTarget_, results), column.form, json_));
    } else if (constants_[i].failure) {
      throw RunTimeError(*constants_[i].failure);
    } else {
      row.AddShared(constants_[i].text);
    }
  }
}

Outcome Calculator::Calculate(const ProjectionInputs& inputs) const {
  Outcome outcome;
  Calculate(inputs, outcome);
  return outcome;
}

// The row is filled where the outcome holds it, and a row held from the set-up
// before is reused: a batch of a million lines moves no texts and allocates
// none.
void Calculator::Calculate(const ProjectionInputs& inputs, Outcome& outcome) const {
  Row* row = std::get_if<Row>(&outcome);
  if (row == nullptr) row = &outcome.emplace<Row>();
  row->Clear();
  try {
    Fill(inputs, *row);
  } catch (const RunTimeError& error) {
    outcome = Failure{error.kind()};
  }
}

ProjectionInputs Calculator::SetUpOf(const Solve& solve) const {
  return {solve.objective, solve.eyepiece, ExtractionFor(solve, cameraAndTarget_)};
}

Outcome Calculator::Calculate(const Solve& solve) const {
  Outcome outcome(std::in_place_type<Row>);
  try {
    Fill(SetUpOf(solve), std::get<Row>(outcome));
  } catch (const RunTimeError& error) {
    outcome = Failure{error.kind()};
  }
  return outcome;
}

}  // namespace celforo::cli
