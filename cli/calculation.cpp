#include "cli/calculation.h"

#include <cstddef>
#include <variant>

#include "cli/field_text.h"
#include "cli/overloaded.h"

namespace celforo::cli {
namespace {

Computed<double> ExtractionFor(const Solve& solve, const CameraAndTarget& cameraAndTarget) {
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
    const Computed<PlanValue> value = plan[i]->compute(cameraAndTarget_, {});
    const Computed<std::string> text =
        value ? ValueField(*value, plan[i]->form, json_) : *value.error();
    if (text) {
      constants_[i].text = *text;
    } else {
      constants_[i].failure = text.error()->kind();
    }
  }
}

std::optional<RunTimeErrorKind> Calculator::Fill(const ProjectionInputs& inputs, Row& row) const {
  const Computed<ProjectionResults> computed = ComputeProjection(inputs);
  if (!computed) return computed.error()->kind();
  const ProjectionResults& results = *computed;
  if (columns_.lead() == Lead::Extraction) {
    row.Add(InputField(inputs.eyepieceExtraction, json_));
  } else if (columns_.lead() == Lead::Time) {
    row.Add(InstantField(cameraAndTarget_.target->instant, json_));
  }
  for (const double result :
       {results.magnification, results.equivalentFocalLength, results.focalPlaneDistance}) {
    const Computed<std::string> field = NumberField(result, NumberForm::Result, json_);
    if (!field) return field.error()->kind();
    row.Add(*field);
  }
  const std::span<const PlanColumn* const> plan = columns_.plan();
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const PlanColumn& column = *plan[i];
    if (column.bySetUp) {
      const Computed<PlanValue> value = column.compute(cameraAndTarget_, results);
      if (!value) return value.error()->kind();
      const Computed<std::string> field = ValueField(*value, column.form, json_);
      if (!field) return field.error()->kind();
      row.Add(*field);
    } else if (constants_[i].failure) {
      return constants_[i].failure;
    } else {
      row.AddShared(constants_[i].text);
    }
  }
  return std::nullopt;
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
  if (const std::optional<RunTimeErrorKind> failure = Fill(inputs, *row))
    outcome = Failure{*failure};
}

Computed<ProjectionInputs> Calculator::SetUpOf(const Solve& solve) const {
  const Computed<double> extraction = ExtractionFor(solve, cameraAndTarget_);
  if (!extraction) return *extraction.error();
  return ProjectionInputs{solve.objective, solve.eyepiece, *extraction};
}

Outcome Calculator::Calculate(const Solve& solve) const {
  const Computed<ProjectionInputs> setUp = SetUpOf(solve);
  if (!setUp) return Failure{setUp.error()->kind()};
  Outcome outcome(std::in_place_type<Row>);
  if (const std::optional<RunTimeErrorKind> failure = Fill(*setUp, std::get<Row>(outcome)))
    outcome = Failure{*failure};
  return outcome;
}

}  // namespace celforo::cli
