#include "ui/form2_reading.h"

#include <array>
#include <cstddef>
#include <cstdlib>

#include "calc/date_time.h"
#include "calc/quantity_rules.h"

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

// The numbers with a range, and what is said of one beyond it.
struct RangedRule {
  FieldRule field;
  NumberRule number;
  std::string_view outOfRange;
};

constexpr std::array<RangedRule, 3> kRangedRules{{
    {FieldRule::Latitude, kLatitudeRule, "Solo da -90 a 90."},
    {FieldRule::Longitude, kLongitudeRule, "Solo da -180 a 180."},
    {FieldRule::Height, kHeightRule, "Solo da -500 a 9000."},
}};

constexpr const RangedRule& RangedRuleOf(FieldRule rule) {
  for (const RangedRule& ranged : kRangedRules)
    if (ranged.field == rule) return ranged;
  std::abort();  // every FieldRule asked for is in the table
}

// A positive number into `into`, or why not.
std::string_view ReadPositive(const FieldEntry& entry, double& into) {
  const NumberReading reading = ReadStrictNumber(entry.text, kPositiveNumber);
  if (reading.fault == NumberFault::None) into = reading.value;
  return NumberProblemText(reading.fault);
}

// The field stop: nothing where the box is empty.
std::string_view ReadOptionalPositive(const FieldEntry& entry, std::optional<double>& into) {
  if (TrimBlanks(entry.text).empty()) return {};
  double value = 0;
  const std::string_view problem = ReadPositive(entry, value);
  if (problem.empty()) into = value;
  return problem;
}

// A number within its field's range into `into`, or why not.
std::string_view ReadRanged(const FieldEntry& entry, FieldRule rule, double& into) {
  const RangedRule& ranged = RangedRuleOf(rule);
  const NumberReading reading = ReadStrictNumber(entry.text, ranged.number);
  if (reading.fault == NumberFault::OutOfRange) return ranged.outOfRange;
  if (reading.fault == NumberFault::None) into = reading.value;
  return NumberProblemText(reading.fault);
}

struct SiteProblems {
  std::string_view latitude, longitude, height;
};

// Both of LATITUDINE and LONGITUDINE, or neither (no site); QUOTA empty is
// sea level. Where one of the two is given, the other empty is missing.
SiteProblems ReadSite(const FieldEntry& latitude, const FieldEntry& longitude,
                      const FieldEntry& height, std::optional<Site>& into) {
  SiteProblems problems;
  Site site;
  if (!TrimBlanks(height.text).empty())
    problems.height = ReadRanged(height, FieldRule::Height, site.height);
  const bool noLatitude = TrimBlanks(latitude.text).empty();
  const bool noLongitude = TrimBlanks(longitude.text).empty();
  if (noLatitude && noLongitude) return problems;
  problems.latitude = ReadRanged(latitude, FieldRule::Latitude, site.latitude);
  problems.longitude = ReadRanged(longitude, FieldRule::Longitude, site.longitude);
  if (problems.latitude.empty() && problems.longitude.empty() && problems.height.empty())
    into = site;
  return problems;
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

std::string_view RangeProblemText(FieldRule rule) {
  for (const RangedRule& ranged : kRangedRules)
    if (ranged.field == rule) return ranged.outOfRange;
  return {};
}

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
  constexpr std::size_t kFieldStop = FieldIndex(kFieldStopBox);
  constexpr std::size_t kDate = FieldIndex(kDateField);
  constexpr std::size_t kLatitude = FieldIndex(kLatitudeBox);
  constexpr std::size_t kLongitude = FieldIndex(kLongitudeBox);
  constexpr std::size_t kHeight = FieldIndex(kHeightBox);
  constexpr std::size_t kValue = FieldIndex(kValueBox);
  double aperture = 0;
  double pixelSize = 0;
  problems[kAperture] = ReadPositive(entries[kAperture], aperture);
  if (problems[kAperture].empty()) inputs.camera.aperture = aperture;
  problems[kPixel] = ReadPositive(entries[kPixel], pixelSize);
  if (problems[kPixel].empty()) inputs.camera.pixelSize = pixelSize;
  problems[kSensor] = ReadSensor(entries[kSensor], inputs.camera.sensor);
  problems[kWavelength] = ReadPositive(entries[kWavelength], inputs.camera.wavelength);
  problems[kFieldStop] = ReadOptionalPositive(entries[kFieldStop], inputs.camera.fieldStop);
  inputs.target = TargetOfItem(entries[FieldIndex(kTargetChoice)].item);
  problems[kDate] = ReadDate(entries[kDate], inputs.instant);
  const SiteProblems site = ReadSite(entries[kLatitude], entries[kLongitude], entries[kHeight],
                                     inputs.camera.observing.site);
  problems[kLatitude] = site.latitude;
  problems[kLongitude] = site.longitude;
  problems[kHeight] = site.height;
  inputs.aim = AimOfItem(entries[FieldIndex(kAimChoice)].item);
  problems[kValue] = ReadPositive(entries[kValue], inputs.value);
  return reading;
}

}  // namespace celforo
