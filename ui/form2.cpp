#include "ui/form2.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "calc/checked_arithmetic.h"
#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/numeric_text.h"
#include "calc/planning.h"
#include "calc/run_time_error.h"
#include "ui/plan_picture.h"

namespace celforo {
namespace {

constexpr std::string_view kNoSetUp = "Premi CALCOLA per i risultati.";
constexpr std::string_view kFixInputs = "Correggi prima i dati segnati.";
constexpr std::string_view kChooseTarget = "Scegli prima un OGGETTO.";
constexpr std::string_view kChooseAim = "Scegli prima cosa RAGGIUNGERE.";

constexpr std::size_t kValueField = FieldIndex(kValueBox);

std::string_view Items(ElementId choice) {
  return kForm2Elements[choice].caption;
}

bool IsChoice(const Form2Field& field) {
  return kForm2Elements[field.field].kind == ElementKind::Choice;
}

std::string_view KeyOf(const Form2Field& field) {
  return kForm2Elements[field.field].name;
}

// The shown text of a column's value, as celforo-calc prints it, without
// the sign column of a positive number; an instant as its local HH:MM.
Computed<std::string> ColumnText(const PlanColumn& column, const PlanValue& value) {
  if (const double* number = std::get_if<double>(&value)) {
    const Computed<std::string> text =
        column.form == NumberForm::Result ? ResultText(*number) : MeasureText(*number);
    if (!text || text->empty() || (*text)[0] != ' ') return text;
    return text->substr(1);
  }
  // Rounded to the nearest minute, as celforo-calc prints it: "21:22" of
  // "2026-12-07T21:22+01:00".
  if (const UniversalTime* time = std::get_if<UniversalTime>(&value))
    return LocalMinuteText(*time).substr(11, 5);
  if (const PlanWord* word = std::get_if<PlanWord>(&value)) return std::string(word->text);
  return std::string(std::get<NoValue>(value).why);
}

// Whether any field but VALORE, the solve's own, cannot be used.
bool InputsToMend(const Form2Reading& reading) {
  for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
    if (i != kValueField && !reading.problems[i].empty()) return true;
  return false;
}

// The camera and the target at the panel's instant; no target where none is
// chosen or its size is not known then. With `sky`, the night's plan's, the
// target's sky is that one rather than computed a second time.
CameraAndTarget CameraAndTargetOf(const Form2Inputs& inputs, const SkyPlan* sky = nullptr) {
  CameraAndTarget camera = inputs.camera;
  if (inputs.target && sky)
    camera.target = TargetOnDateAt(*inputs.target, inputs.instant, camera.observing, *sky);
  else if (inputs.target)
    camera.target = TargetOnDateAt(*inputs.target, inputs.instant, camera.observing);
  return camera;
}

// The night's picture while an input is to be mended: its ground alone,
// described as what to do, for a screen reader.
DisplayList BlankNightPicture() {
  DisplayList list;
  list.width = kNightPictureWidth;
  list.height = kNightPictureHeight;
  list.description = kFixInputs;
  return list;
}

// The night's plan of the target from the site, which the set-up does not
// change: none where a site or a target is missing.
std::optional<NightPicturePlan> NightPlanOf(const Form2Inputs& inputs) {
  const std::optional<Site>& site = inputs.camera.observing.site;
  if (!site || !inputs.target) return std::nullopt;
  return NightPicturePlanOf(*inputs.target, *site, inputs.instant,
                            inputs.camera.observing.minimumAltitude);
}

// The night's curve from its plan; what to give where there is none.
DisplayList NightPictureOf(const Form2Inputs& inputs, const std::optional<NightPicturePlan>& plan) {
  if (plan) return NightPicture(*plan);
  return NightPictureWithout(inputs.camera.observing.site ? NightPictureLack::Target
                                                          : NightPictureLack::Site);
}

}  // namespace

Computed<std::string> PlanAdvice(const CameraAndTarget& camera, const ProjectionResults& results) {
  CheckedArithmetic a;
  std::string advice;
  if (plan_columns::HasSkyAndPixels(camera)) {
    const PlanValue dispersion = a.Take(plan_columns::DispersionPixelsOf(camera, results));
    if (const double* pixels = std::get_if<double>(&dispersion); pixels && *pixels > 1)
      advice = kAdcAdvice;
  }
  if (plan_columns::HasFieldStop(camera) && camera.sensor) {
    const double stop = std::get<double>(a.Take(plan_columns::FieldStopOf(camera, results)));
    if (CornersOutsideStop(camera.sensor->width, camera.sensor->height, stop))
      advice += (advice.empty() ? "" : " \xC2\xB7 ") + std::string(kVignettingAdvice);
  }
  return a.Result(std::move(advice));
}

Form2::Form2(Form2Operations& window, Form1& form1, SettingsStore& store, UniversalTime (*now)())
    : window_(window), form1_(form1), now_(now != nullptr ? now : NowInstant), kit_(store) {}

Form2::~Form2() {
  form1_.SetListener(nullptr);
}

void Form2::onForm2Load() {
  form1_.SetListener(this);
  form1Results_ = form1_.results();
  kit_.Load();
  for (const KitSection& section : kKitSections) ShowKitItems(section);
  ShowSkipped();
  for (const Form2Field& field : kForm2Fields) {
    std::optional<std::string> kept;
    if (field.remembered) kept = window_.Remembered(KeyOf(field));
    // What was kept is taken only where it is good; else the first text.
    if (IsChoice(field)) {
      std::optional<int> item;
      if (kept) item = ItemIndex(Items(field.field), *kept);
      if (!item) item = ItemIndex(Items(field.field), field.first);
      window_.SetChoice(field.field, item.value_or(0));
      continue;
    }
    if (field.rule == FieldRule::DateTime) continue;  // at now, below
    window_.SetText(field.field, field.first);
    if (kept) {
      window_.SetText(field.field, *kept);
      const std::size_t index = static_cast<std::size_t>(&field - kForm2Fields.data());
      if (!Read().problems[index].empty()) window_.SetText(field.field, field.first);
    }
  }
  ShowNow();
  Recompute();
}

void Form2::onFieldChanged(ElementId changed) {
  for (const Form2Field& field : kForm2Fields) {
    if (field.field != changed || !field.remembered) continue;
    window_.Remember(KeyOf(field), IsChoice(field)
                                       ? ItemAt(Items(field.field), window_.Choice(field.field))
                                       : window_.Text(field.field));
  }
  // A new aim or value: the last solve's problem no longer holds.
  if (changed == kAimChoice || changed == kValueBox) ShowProblem(kValueBox, {});
  Recompute();
}

void Form2::Fill(ElementId changed, const FieldEntry& entry) {
  for (const Form2Field& field : kForm2Fields) {
    if (field.field != changed) continue;
    if (IsChoice(field)) {
      window_.SetChoice(field.field, entry.item);
    } else {
      window_.SetText(field.field, entry.text);
    }
    if (field.remembered)
      window_.Remember(KeyOf(field),
                       IsChoice(field) ? ItemAt(Items(field.field), entry.item) : entry.text);
  }
  if (changed == kAimChoice || changed == kValueBox) ShowProblem(kValueBox, {});
}

void Form2::onNowClicked(ElementId) {
  ShowNow();
  Recompute();
}

void Form2::onFitClicked(ElementId) {
  const Form2Reading reading = Read();
  const Form2Inputs& inputs = reading.inputs;
  if (!reading.problems[kValueField].empty())
    return ShowProblem(kValueBox, reading.problems[kValueField]);
  if (!inputs.aim) return ShowProblem(kValueBox, kChooseAim);
  const PlanSolve& solve = SolveFor(*inputs.aim);
  const CameraAndTarget camera = CameraAndTargetOf(inputs);
  if (InputsToMend(reading)) return ShowProblem(kValueBox, kFixInputs);
  if (!solve.possible(camera)) {
    const bool wantsTarget = solve.aim == PlanAim::DiscPixels && !camera.target;
    return ShowProblem(kValueBox, wantsTarget ? kChooseTarget : kFixInputs);
  }
  const ProjectionInputs setUp = form1_.Inputs();
  const Computed<double> extraction =
      solve.extraction(setUp.objectiveFocalLength, setUp.eyepieceFocalLength, camera, inputs.value);
  if (!extraction) {
    return ShowProblem(
        kValueBox, "Non raggiungibile (" + std::string(extraction.error()->description()) + ").");
  }
  ShowProblem(kValueBox, {});
  form1_.SetExtractionAndCalculate(SignedNumberText(*extraction));
}

void Form2::onForm1ResultsShown(const ProjectionResults& results) {
  form1Results_ = results;
  Recompute();
}

void Form2::onForm1ResultsCleared() {
  form1Results_.reset();
  Recompute();
}

Form2Reading Form2::Read() const {
  Form2Entries entries;
  for (std::size_t i = 0; i < kForm2Fields.size(); ++i) {
    const Form2Field& field = kForm2Fields[i];
    if (IsChoice(field)) {
      entries[i].item = window_.Choice(field.field);
    } else {
      entries[i].text = window_.Text(field.field);
    }
  }
  return ReadForm2(entries);
}

void Form2::ShowNow() {
  window_.SetText(kDateField, DateTimeFieldText(LocalCivilTime(now_())));
}

void Form2::ShowProblem(ElementId field, std::string_view problem) {
  const std::optional<ElementId> line = kForm2Relations.problem[field];
  if (!line) return;  // a choice: nothing to say
  window_.SetCaption(*line, problem);
  window_.SetInvalid(field, !problem.empty());
}

void Form2::ClearResults(std::string_view why) {
  for (const ElementId result : kForm2Results) window_.SetCaption(result, "");
  window_.SetCaption(kResultsProblem, why);
  window_.SetCaption(kAdviceLine, "");
  picture_ = EmptyPlanPicture(why);
  pictureShowsSetUp_ = false;
  window_.SetPicture(kPlanPicture, picture_);
}

void Form2::Recompute() {
  const Form2Reading reading = Read();
  for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
    if (i != kValueField) ShowProblem(kForm2Fields[i].field, reading.problems[i]);
  if (InputsToMend(reading)) {
    window_.SetPicture(kNightPicture, BlankNightPicture());
    return ClearResults(kFixInputs);
  }
  // The sky is computed once a keystroke, for the night's curve and the
  // results alike.
  const std::optional<NightPicturePlan> night = NightPlanOf(reading.inputs);
  window_.SetPicture(kNightPicture, NightPictureOf(reading.inputs, night));
  if (!form1Results_) return ClearResults(kNoSetUp);

  const CameraAndTarget camera = CameraAndTargetOf(reading.inputs, night ? &night->sky : nullptr);
  std::array<std::string, kForm2Columns.size()> texts;
  for (std::size_t i = 0; i < kForm2Columns.size(); ++i) {
    const PlanColumn& column = *ColumnByCaption(kForm2Columns[i]);
    if (!column.applies(camera)) continue;
    const Computed<PlanValue> value = column.compute(camera, *form1Results_);
    const Computed<std::string> text = value ? ColumnText(column, *value) : *value.error();
    if (!text) return ClearResults(std::string(column.caption) + ": " + text.error()->line());
    texts[i] = *text;
  }
  const Computed<SensorView> view = SetUpView(camera, *form1Results_);
  if (!view) return ClearResults(view.error()->line());
  const Computed<std::string> advice = PlanAdvice(camera, *form1Results_);
  if (!advice) return ClearResults(advice.error()->line());
  for (std::size_t i = 0; i < kForm2Columns.size(); ++i)
    window_.SetCaption(kForm2Results[i], texts[i]);
  window_.SetCaption(kResultsProblem, "");
  window_.SetCaption(kAdviceLine, *advice);
  picture_ = PlanPicture(*view);
  pictureShowsSetUp_ = true;
  window_.SetPicture(kPlanPicture, picture_);
}

}  // namespace celforo
