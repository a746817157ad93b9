#include "ui/form2.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "ui/plan_picture.h"

namespace celforo {
namespace {

constexpr std::string_view kEmpty = "Manca il valore.";
constexpr std::string_view kNotANumber =
    "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto).";
constexpr std::string_view kNotPositive = "Deve essere maggiore di zero.";
constexpr std::string_view kNotASensor = "Larghezza x altezza in pixel, per esempio 1280x960.";
constexpr std::string_view kNotADate = "Data e ora non valide.";
constexpr std::string_view kOutOfRange = "Solo dal 1800 al 2050.";
constexpr std::string_view kNoLocalTime = "Quest'ora locale non esiste.";
constexpr std::string_view kSkippedLocalTime = "L'ora legale salta quest'ora.";
constexpr std::string_view kNoSetUp = "Premi CALCOLA per i risultati.";
constexpr std::string_view kFixInputs = "Correggi prima i dati segnati.";
constexpr std::string_view kChooseTarget = "Scegli prima un OGGETTO.";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A field's text as a positive number, the whole text read, or why not.
std::optional<double> PositiveNumber(std::string_view text, std::string_view& problem) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty()) {
    problem = kEmpty;
    return std::nullopt;
  }
  const NumberScan scan = ScanNumber(trimmed);
  if (scan.consumed != trimmed.size() || !std::isfinite(scan.value)) {
    problem = kNotANumber;
    return std::nullopt;
  }
  if (!(scan.value > 0)) {
    problem = kNotPositive;
    return std::nullopt;
  }
  return scan.value;
}

// The items of a choice, from its caption, one a line.
std::optional<int> ItemIndex(std::string_view items, std::string_view item) {
  int index = 0;
  while (true) {
    const std::size_t end = items.find('\n');
    if (items.substr(0, end) == item) return index;
    if (end == std::string_view::npos) return std::nullopt;
    items.remove_prefix(end + 1);
    ++index;
  }
}

std::string_view ItemAt(std::string_view items, int index) {
  for (; index > 0; --index) {
    const std::size_t end = items.find('\n');
    if (end == std::string_view::npos) return {};
    items.remove_prefix(end + 1);
  }
  return items.substr(0, items.find('\n'));
}

std::string_view Items(ElementId choice) {
  return kForm2Elements[choice].caption;
}

std::string_view KeyOf(const Form2Field& field) {
  return kForm2Elements[field.field].name;
}

// The shown text of a column's value, as celforo-calc prints it, without
// the sign column of a positive number; a time as HH:MM local.
std::string ColumnText(const PlanColumn& column, const PlanValue& value) {
  if (const double* number = std::get_if<double>(&value)) {
    std::string text =
        column.form == NumberForm::Result ? ResultText(*number) : MeasureText(*number);
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    return text;
  }
  if (const UniversalTime* time = std::get_if<UniversalTime>(&value))
    return DateTimeFieldText(LocalCivilTime(*time)).substr(11);
  if (const PlanWord* word = std::get_if<PlanWord>(&value)) return std::string(word->text);
  return std::string(std::get<NoValue>(value).why);
}

// "Errore di run-time '11': Divisione per zero", on one line.
std::string OneLine(const RunTimeError& error) {
  std::string report = error.report();
  const std::size_t gap = report.find("\n\n");
  if (gap != std::string::npos) report.replace(gap, 2, " ");
  return report;
}

}  // namespace

Form2::Form2(Form2Operations& window, Form1& form1, Form1Operations& form1Window,
             UniversalTime (*now)())
    : window_(window),
      form1_(form1),
      form1Window_(form1Window),
      now_(now != nullptr ? now : NowInstant),
      form1ResultsShown_(form1.resultsShown()) {}

Form2::~Form2() {
  form1_.SetListener(nullptr);
}

void Form2::onForm2Load() {
  form1_.SetListener(this);
  form1ResultsShown_ = form1_.resultsShown();
  for (const Form2Field& field : kForm2Fields) {
    std::optional<std::string> kept;
    if (field.remembered) kept = window_.Remembered(KeyOf(field));
    // What was kept is taken only where it is good; else the first text.
    const bool choice = field.rule == FieldRule::Target || field.rule == FieldRule::Aim;
    if (choice) {
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
      if (!Problem(field).empty()) window_.SetText(field.field, field.first);
    }
  }
  ShowNow();
  Recompute();
}

void Form2::onFieldChanged(ElementId changed) {
  for (const Form2Field& field : kForm2Fields) {
    if (field.field != changed || !field.remembered) continue;
    const bool choice = field.rule == FieldRule::Target || field.rule == FieldRule::Aim;
    window_.Remember(KeyOf(field), choice ? ItemAt(Items(field.field), window_.Choice(field.field))
                                          : window_.Text(field.field));
  }
  // A new aim or value: the last solve's problem no longer holds.
  if (changed == kAimChoice || changed == kValueBox) ShowProblem(kForm2Fields.back(), {});
  Recompute();
}

void Form2::onCommand3Clicked(ElementId) {
  ShowNow();
  Recompute();
}

void Form2::onCommand4Clicked(ElementId) {
  const Form2Field& valueField = kForm2Fields.back();
  std::string_view problem;
  const std::optional<double> value = PositiveNumber(window_.Text(kValueBox), problem);
  if (!value) {
    ShowProblem(valueField, problem);
    return;
  }
  CameraAndTarget inputs;
  const bool good = ReadInputs(inputs);
  const PlanSolve& solve = kPlanSolves[static_cast<std::size_t>(window_.Choice(kAimChoice))];
  if (!solve.possible(inputs) || !good) {
    const bool wantsTarget = solve.aim == PlanAim::DiscPixels && !inputs.target;
    ShowProblem(valueField, wantsTarget && good ? kChooseTarget : kFixInputs);
    return;
  }
  double extraction = 0;
  try {
    extraction = solve.extraction(ReadNumber(form1Window_.Text(kText1)),
                                  ReadNumber(form1Window_.Text(kText2)), inputs, *value);
  } catch (const RunTimeError& error) {
    ShowProblem(valueField, "Non raggiungibile: " + OneLine(error) + ".");
    return;
  }
  ShowProblem(valueField, {});
  // As if typed into EXTR. OCULARE, then CALCOLA.
  form1Window_.SetText(kText3, SignedNumberText(extraction));
  form1_.onCommand1Clicked();
}

void Form2::onForm1ResultsShown() {
  form1ResultsShown_ = true;
  Recompute();
}

void Form2::onForm1ResultsCleared() {
  form1ResultsShown_ = false;
  Recompute();
}

void Form2::ShowNow() {
  window_.SetText(kDateField, DateTimeFieldText(LocalCivilTime(now_())));
}

std::string Form2::Problem(const Form2Field& field) const {
  std::string_view problem;
  switch (field.rule) {
    case FieldRule::PositiveNumber: PositiveNumber(window_.Text(field.field), problem); break;
    case FieldRule::Sensor:
      if (Trimmed(window_.Text(field.field)).empty()) {
        problem = kEmpty;
      } else if (!ParseSensorPixels(Trimmed(window_.Text(field.field)))) {
        problem = kNotASensor;
      }
      break;
    case FieldRule::DateTime:
      if (Trimmed(window_.Text(field.field)).empty()) {
        problem = kEmpty;
        break;
      }
      switch (ReadInstant(Trimmed(window_.Text(field.field))).problem) {
        case DateProblem::None: break;
        case DateProblem::Malformed: problem = kNotADate; break;
        case DateProblem::OutOfRange: problem = kOutOfRange; break;
        case DateProblem::NoLocalTime: problem = kNoLocalTime; break;
        case DateProblem::SkippedLocalTime: problem = kSkippedLocalTime; break;
      }
      break;
    case FieldRule::Target:
    case FieldRule::Aim: break;
  }
  return std::string(problem);
}

void Form2::ShowProblem(const Form2Field& field, std::string_view problem) {
  if (field.problem == field.field) return;  // a choice: nothing to say
  window_.SetCaption(field.problem, problem);
  window_.SetInvalid(field.field, !problem.empty());
}

bool Form2::ReadInputs(CameraAndTarget& inputs) {
  bool good = true;
  for (const Form2Field& field : kForm2Fields) {
    if (field.field == kValueBox) continue;  // the solve's own
    const std::string problem = Problem(field);
    ShowProblem(field, problem);
    if (!problem.empty()) {
      good = false;
      continue;
    }
    const std::string text(Trimmed(window_.Text(field.field)));
    if (field.field == kApertureBox) inputs.aperture = ReadNumber(text);
    if (field.field == kPixelBox) inputs.pixelSize = ReadNumber(text);
    if (field.field == kWavelengthBox) inputs.wavelength = ReadNumber(text);
    if (field.field == kSensorBox) inputs.sensor = ParseSensorPixels(text);
  }
  const int item = window_.Choice(kTargetChoice);
  const InstantReading instant = ReadInstant(Trimmed(window_.Text(kDateField)));
  if (item > 0 && instant.problem == DateProblem::None) {
    const Target target = kTargets[static_cast<std::size_t>(item - 1)].target;
    inputs.target = TargetOnDateAt(target, instant.instant, inputs.observing);
  }
  return good;
}

void Form2::ClearResults(std::string_view why) {
  for (const ElementId result : kForm2Results) window_.SetCaption(result, "");
  window_.SetCaption(kResultsProblem, why);
  window_.SetPicture(kPlanPicture, EmptyPlanPicture(why));
}

void Form2::Recompute() {
  CameraAndTarget inputs;
  const bool good = ReadInputs(inputs);
  if (!good) return ClearResults(kFixInputs);
  if (!form1ResultsShown_) return ClearResults(kNoSetUp);

  std::array<std::string, kForm2Columns.size()> texts;
  SensorView view;
  try {
    const ProjectionInputs setUp{ReadNumber(form1Window_.Text(kText1)),
                                 ReadNumber(form1Window_.Text(kText2)),
                                 ReadNumber(form1Window_.Text(kText3))};
    const ProjectionResults results = ComputeProjection(setUp);
    for (std::size_t i = 0; i < kForm2Columns.size(); ++i) {
      const PlanColumn& column = *ColumnByCaption(kForm2Columns[i]);
      if (!column.applies(inputs)) continue;
      try {
        texts[i] = ColumnText(column, column.compute(inputs, results));
      } catch (const RunTimeError& error) {
        return ClearResults(std::string(column.caption) + ": " + OneLine(error));
      }
    }
    view = ViewOf(inputs, results.equivalentFocalLength);
  } catch (const RunTimeError& error) {
    return ClearResults(OneLine(error));
  }
  for (std::size_t i = 0; i < kForm2Columns.size(); ++i)
    window_.SetCaption(kForm2Results[i], texts[i]);
  window_.SetCaption(kResultsProblem, "");
  window_.SetPicture(kPlanPicture, PlanPicture(view));
}

}  // namespace celforo
