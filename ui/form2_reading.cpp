#include "ui/form2_reading.h"

#include <cstddef>

#include "calc/date_time.h"

namespace celforo {
namespace {

constexpr std::string_view kEmpty = "Manca il valore.";
constexpr std::string_view kNotASensor = "Larghezza x altezza in pixel, per esempio 1280x960.";
constexpr std::string_view kNotADate = "Data e ora non valide.";
constexpr std::string_view kOutOfRange = "Solo dal 1800 al 2050.";
constexpr std::string_view kNoLocalTime = "Quest'ora locale non esiste.";
constexpr std::string_view kSkippedLocalTime = "L'ora legale salta quest'ora.";

std::string_view DateProblemText(DateProblem problem) {
  switch (problem) {
    case DateProblem::None: return {};
    case DateProblem::OutOfRange: return kOutOfRange;
    case DateProblem::NoLocalTime: return kNoLocalTime;
    case DateProblem::SkippedLocalTime: return kSkippedLocalTime;
    case DateProblem::Malformed: break;
  }
  return kNotADate;
}

// A positive number into `into`, or why not.
std::string_view ReadPositive(const FieldEntry& entry, double& into) {
  const NumberReading reading = ReadStrictNumber(entry.text, kPositiveNumber);
  if (reading.fault == NumberFault::None) into = reading.value;
  return NumberProblemText(reading.fault);
}

std::string_view ReadSensor(const FieldEntry& entry, std::optional<SensorPixels>& into) {
  const std::string_view text = TrimBlanks(entry.text);
  if (text.empty()) return kEmpty;
  into = ParseSensorPixels(text);
  return into ? std::string_view() : kNotASensor;
}

std::string_view ReadDate(const FieldEntry& entry, UniversalTime& into) {
  const std::string_view text = TrimBlanks(entry.text);
  if (text.empty()) return kEmpty;
  const InstantReading instant = ReadInstant(text);
  into = instant.instant;
  return DateProblemText(instant.problem);
}

// Item 0 is "nessuno", then the targets in their order; nothing else is one.
std::optional<Target> TargetOfItem(int item) {
  if (item < 1 || item > static_cast<int>(kTargets.size())) return std::nullopt;
  return kTargets[static_cast<std::size_t>(item - 1)].target;
}

std::optional<PlanAim> AimOfItem(int item) {
  if (item < 0 || item >= static_cast<int>(kPlanSolves.size())) return std::nullopt;
  return kPlanSolves[static_cast<std::size_t>(item)].aim;
}

}  // namespace

std::string_view NumberProblemText(NumberFault fault) {
  switch (fault) {
    case NumberFault::None: return {};
    case NumberFault::Empty: return kEmpty;
    case NumberFault::DecimalComma:
      return "Il separatore decimale \xC3\xA8 il punto, non la virgola.";
    case NumberFault::NotFinite: return "Numero troppo grande.";
    case NumberFault::NotPositive: return "Deve essere maggiore di zero.";
    case NumberFault::OutOfRange: return "Fuori dai limiti.";
    case NumberFault::Malformed: break;
  }
  return "Non \xC3\xA8 un numero (il separatore decimale \xC3\xA8 il punto).";
}

Form2Reading ReadForm2(const Form2Entries& entries) {
  Form2Reading reading;
  Form2Inputs& inputs = reading.inputs;
  auto& problems = reading.problems;
  constexpr std::size_t kAperture = FieldIndex(kApertureBox);
  constexpr std::size_t kPixel = FieldIndex(kPixelBox);
  constexpr std::size_t kSensor = FieldIndex(kSensorBox);
  constexpr std::size_t kWavelength = FieldIndex(kWavelengthBox);
  constexpr std::size_t kDate = FieldIndex(kDateField);
  constexpr std::size_t kValue = FieldIndex(kValueBox);
  double aperture = 0;
  double pixelSize = 0;
  problems[kAperture] = ReadPositive(entries[kAperture], aperture);
  if (problems[kAperture].empty()) inputs.camera.aperture = aperture;
  problems[kPixel] = ReadPositive(entries[kPixel], pixelSize);
  if (problems[kPixel].empty()) inputs.camera.pixelSize = pixelSize;
  problems[kSensor] = ReadSensor(entries[kSensor], inputs.camera.sensor);
  problems[kWavelength] = ReadPositive(entries[kWavelength], inputs.camera.wavelength);
  inputs.target = TargetOfItem(entries[FieldIndex(kTargetChoice)].item);
  problems[kDate] = ReadDate(entries[kDate], inputs.instant);
  inputs.aim = AimOfItem(entries[FieldIndex(kAimChoice)].item);
  problems[kValue] = ReadPositive(entries[kValue], inputs.value);
  return reading;
}

}  // namespace celforo
