// The planning panel as behaviour: what a set-up does to a camera and a
// target, recomputed as the panel's inputs are typed and whenever Form1
// computes, and the solve that puts an extraction into Form1.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "ui/form1.h"
#include "ui/form2_layout.h"
#include "ui/form2_operations.h"
#include "ui/form2_reading.h"
#include "ui/form_relations.h"

namespace celforo {

inline constexpr ElementId kNowButton = Form2Index("Command3");
inline constexpr ElementId kResultsProblem = Form2Index("Label41");
inline constexpr ElementId kFitButton = Form2Index("Command4");
inline constexpr ElementId kValueProblem = Form2Index("Label44");
inline constexpr ElementId kPlanPicture = Form2Index("Picture2");

// How the panel's elements belong together: captions, units, problem lines.
inline constexpr FormRelations<kForm2Elements.size()> kForm2Relations = RelationsOf(kForm2Elements);

// The columns of kPlanColumns the panel shows, by caption, and the result
// label of each, in the same order.
inline constexpr std::array<std::string_view, 9> kForm2Columns{
    kFocalRatioCaption,  kImageScaleCaption, kFieldWidthCaption,
    kFieldHeightCaption, kDiameterCaption,   kDiscPixelsCaption,
    kRingsCaption,       kSamplingCaption,   kCaptureCaption};
inline constexpr std::array<ElementId, kForm2Columns.size()> kForm2Results{
    Form2Index("Label24"), Form2Index("Label26"), Form2Index("Label28"),
    Form2Index("Label30"), Form2Index("Label32"), Form2Index("Label34"),
    Form2Index("Label36"), Form2Index("Label38"), Form2Index("Label40")};

// Whether the lines of `items` are the names of `records`, in their order,
// after `first` lines of their own: so that a list or a result reordered in
// one table and not in the other does not compile.
template <typename Records, typename Name>
consteval bool LinesFollow(std::string_view items, std::size_t first, const Records& records,
                           Name name) {
  std::size_t line = 0;
  for (const auto& record : records) {
    if (ItemAt(items, static_cast<int>(first + line)) != name(record)) return false;
    ++line;
  }
  std::size_t lines = 1;
  for (const char c : items) lines += c == '\n' ? 1 : 0;
  return lines == first + line;
}

static_assert(LinesFollow(kForm2Elements[kTargetChoice].caption, 1, kTargets,
                          [](const TargetRecord& record) { return record.shownName; }),
              "OGGETTO lists the targets, after \"nessuno\", in their order");
static_assert(LinesFollow(kForm2Elements[kAimChoice].caption, 0, kPlanSolves,
                          [](const PlanSolve& solve) { return solve.caption; }),
              "RAGGIUNGI lists the solves in their order");

consteval bool ResultsFollowColumns() {
  for (std::size_t i = 0; i < kForm2Columns.size(); ++i) {
    if (ColumnByCaption(kForm2Columns[i]) == nullptr) return false;
    if (kForm2Elements[kForm2Results[i]].meaning != kForm2Columns[i]) return false;
    if (!kForm2Relations.caption[kForm2Results[i]]) return false;
  }
  return true;
}
static_assert(ResultsFollowColumns(),
              "a result label, captioned, for each column shown in its order");

class Form2 final : public Form1Listener {
public:
  // `window` carries out the panel's operations, `form1` is the main window
  // whose set-up the panel plans with; both must outlive the panel. `now`
  // gives the instant now.
  Form2(Form2Operations& window, Form1& form1, UniversalTime (*now)() = nullptr);
  ~Form2();
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  // Delivered once, after the elements exist: the fields from what was kept
  // (or their first texts), the date at now, and the results; from then on
  // the panel follows Form1's results.
  void onForm2Load();
  // A field's Change: keeps its text and computes again.
  void onFieldChanged(ElementId field);
  // ORA: the date and time of now.
  void onNowClicked(ElementId button);
  // ADATTA: the extraction that reaches VALORE goes into Form1, which computes.
  void onFitClicked(ElementId button);

  void onForm1ResultsShown(const ProjectionResults& results) override;
  void onForm1ResultsCleared() override;

private:
  // What the fields hold now, read as the planning takes it.
  Form2Reading Read() const;
  // Shows every field's problem but the solve's own, then the results and
  // the picture, or empty results where an input or Form1's results are
  // missing.
  void Recompute();
  void ShowProblem(ElementId field, std::string_view problem);
  void ClearResults(std::string_view why);
  void ShowNow();

  Form2Operations& window_;
  Form1& form1_;
  UniversalTime (*now_)();
  std::optional<ProjectionResults> form1Results_;
};

// Which handler each element's event goes to.
struct Form2Handler {
  ElementId element;
  FormEvent event;
  void (Form2::*handle)(ElementId);
};

inline constexpr std::array<Form2Handler, 10> kForm2Handlers{{
    {kApertureBox, FormEvent::Change, &Form2::onFieldChanged},
    {kPixelBox, FormEvent::Change, &Form2::onFieldChanged},
    {kSensorBox, FormEvent::Change, &Form2::onFieldChanged},
    {kWavelengthBox, FormEvent::Change, &Form2::onFieldChanged},
    {kTargetChoice, FormEvent::Change, &Form2::onFieldChanged},
    {kDateField, FormEvent::Change, &Form2::onFieldChanged},
    {kNowButton, FormEvent::Click, &Form2::onNowClicked},
    {kAimChoice, FormEvent::Change, &Form2::onFieldChanged},
    {kValueBox, FormEvent::Change, &Form2::onFieldChanged},
    {kFitButton, FormEvent::Click, &Form2::onFitClicked},
}};

}  // namespace celforo
