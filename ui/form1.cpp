#include "ui/form1.h"

#include <cstddef>
#include <utility>

#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"

namespace celforo {

void Form1::onForm1Load() {
  window_.SetText(kText1, SignedNumberText(2500));
  window_.SetText(kText2, SignedNumberText(5));
  window_.SetText(kText3, SignedNumberText(3));
  CalculateAndShowOrReport();
}

void Form1::onText1Changed() {
  ClearResults();
}
void Form1::onText2Changed() {
  ClearResults();
}
void Form1::onText3Changed() {
  ClearResults();
}

void Form1::onCommand1Clicked() {
  CalculateAndShowOrReport();
}

void Form1::onCommand2Clicked() {
  window_.EndProgram();
}

ProjectionInputs Form1::Inputs() const {
  return {ReadNumber(window_.Text(kText1)), ReadNumber(window_.Text(kText2)),
          ReadNumber(window_.Text(kText3))};
}

void Form1::SetExtractionAndCalculate(std::string_view text) {
  window_.SetText(kText3, text);
  CalculateAndShowOrReport();
}

void Form1::SetBoxesAndCalculate(const std::array<std::optional<std::string>, 3>& texts) {
  constexpr std::array<ElementId, 3> kBoxes{kText1, kText2, kText3};
  for (std::size_t i = 0; i < kBoxes.size(); ++i)
    if (texts[i]) window_.SetText(kBoxes[i], *texts[i]);
  CalculateAndShowOrReport();
}

std::optional<RunTimeError> Form1::CalculateAndShow() {
  const Computed<ProjectionResults> results = ComputeProjection(Inputs());
  if (!results) return results.error();
  const std::array<std::pair<ElementId, double>, 3> shown{
      {{kLabel1, results->magnification},
       {kLabel2, results->equivalentFocalLength},
       {kLabel8, results->focalPlaneDistance}}};
  for (const auto& [label, value] : shown) {
    const Computed<std::string> text = ResultText(value);
    if (!text) return text.error();
    window_.SetCaption(label, *text);
  }
  results_ = *results;
  if (listener_ != nullptr) listener_->onForm1ResultsShown(*results);
  return std::nullopt;
}

void Form1::ClearResults() {
  window_.SetCaption(kLabel1, "");
  window_.SetCaption(kLabel2, "");
  window_.SetCaption(kLabel8, "");
  ForgetResults();
}

void Form1::ForgetResults() {
  const bool wereShown = results_.has_value();
  results_.reset();
  if (wereShown && listener_ != nullptr) listener_->onForm1ResultsCleared();
}

void Form1::CalculateAndShowOrReport() {
  if (const std::optional<RunTimeError> error = CalculateAndShow()) {
    // What the labels show now is not the boxes' results.
    ForgetResults();
    ReportRunTimeError(*error);
  }
}

void Form1::ReportRunTimeError(const RunTimeError& error) {
  window_.ShowErrorMessage(kMessageTitle, error.report());
}

}  // namespace celforo
