#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "calc/date_time.h"
#include "calc/numeric_text.h"

namespace celforo::cli {
namespace {

// The arguments read so far: the run's options, and what the mode is to be
// once the operands are known.
struct Reading {
  Options options;
  std::string_view modeOption;  // the option that chose a sweep or a solve
  std::optional<ExtractionSteps> extractions;
  std::optional<std::pair<SolveAim, double>> solve;  // the aim and its value
  std::optional<Target> target;
  std::optional<UniversalTime> instant;
};

// Why an option's value is refused, or nothing.
using Problem = std::optional<std::string>;

// What an option is: a switch without a value, a value of the set-up, or a
// value that chooses a sweep or a solve (one of those at most).
enum class Role { Switch, Value, Mode };

struct OptionRow {
  std::string_view name;
  Role role;
  std::array<std::string_view, 2> needs;  // the options it is of no use without
  Problem (*read)(std::string_view value, Reading& reading);
};

Problem ReadTsv(std::string_view, Reading& reading) {
  reading.options.layout.tsv = true;
  return std::nullopt;
}

Problem ReadHeader(std::string_view, Reading& reading) {
  reading.options.layout.header = true;
  return std::nullopt;
}

Problem ReadExtraction(std::string_view value, Reading& reading) {
  std::string problem;
  reading.extractions = ParseExtractionSteps(value, problem);
  if (reading.extractions) return std::nullopt;
  return problem;
}

template <auto kAim>
Problem ReadSolve(std::string_view value, Reading& reading) {
  reading.solve.emplace(SolveAim{kAim}, ReadNumber(value));
  return std::nullopt;
}

Problem ReadAperture(std::string_view value, Reading& reading) {
  reading.options.cameraAndTarget.aperture = ReadNumber(value);
  return std::nullopt;
}

Problem ReadPixelSize(std::string_view value, Reading& reading) {
  reading.options.cameraAndTarget.pixelSize = ReadNumber(value);
  return std::nullopt;
}

Problem ReadPixels(std::string_view value, Reading& reading) {
  reading.options.cameraAndTarget.sensor = ParseSensorPixels(value);
  if (reading.options.cameraAndTarget.sensor) return std::nullopt;
  return "expected WxH, whole numbers of pixels from 1 to 1,000,000, got " + std::string(value);
}

Problem ReadWavelength(std::string_view value, Reading& reading) {
  const double wavelength = ReadNumber(value);
  if (!(wavelength > 0) || !std::isfinite(wavelength)) {
    return "expected a positive number of nanometres, got " + std::string(value);
  }
  reading.options.cameraAndTarget.wavelength = wavelength;
  return std::nullopt;
}

// "sun, moon, ..., or in Italian sole, luna, ...".
std::string TargetNames() {
  std::string english;
  std::string italian;
  for (std::size_t i = 0; i < kTargets.size(); ++i) {
    const std::string_view separator = i == 0 ? "" : ", ";
    english.append(separator).append(kTargets[i].englishName);
    italian.append(separator).append(kTargets[i].italianName);
  }
  return english + ", or in Italian " + italian;
}

Problem ReadTarget(std::string_view value, Reading& reading) {
  reading.target = TargetByName(value);
  if (reading.target) return std::nullopt;
  return "expected one of " + TargetNames() + ", got " + std::string(value);
}

Problem ReadDate(std::string_view value, Reading& reading) {
  const InstantReading instant = ReadInstant(value);
  switch (instant.problem) {
    case DateProblem::None: reading.instant = instant.instant; return std::nullopt;
    case DateProblem::Malformed:
      return "expected YYYY-MM-DD, or YYYY-MM-DDTHH:MM[:SS] followed by Z, +HH:MM, -HH:MM or "
             "nothing for local time, got " +
             std::string(value);
    case DateProblem::OutOfRange:
      return "expected an instant from " + std::string(kEphemerisRangeText) + ", got " +
             std::string(value);
    case DateProblem::NoLocalTime:
      return "this system cannot tell the local time " + std::string(value) +
             " in UTC; add Z or an offset such as +01:00";
    case DateProblem::SkippedLocalTime:
      return "the local time " + std::string(value) +
             " does not exist: the clocks skip it when summer time begins";
  }
  return std::nullopt;
}

// Every option but --help and --version, which answer at once.
constexpr OptionRow kOptionRows[] = {
    {"--tsv", Role::Switch, {}, ReadTsv},
    {"--header", Role::Switch, {}, ReadHeader},
    {"--extraction", Role::Mode, {}, ReadExtraction},
    {"--focal-length", Role::Mode, {}, ReadSolve<ProjectionAim::FocalLength>},
    {"--magnification", Role::Mode, {}, ReadSolve<ProjectionAim::Magnification>},
    {"--focal-ratio", Role::Mode, {"--aperture"}, ReadSolve<PlanAim::FocalRatio>},
    {"--image-scale", Role::Mode, {"--pixel-size"}, ReadSolve<PlanAim::ImageScale>},
    {"--sampling", Role::Mode, {"--aperture", "--pixel-size"}, ReadSolve<PlanAim::Sampling>},
    {"--target-pixels", Role::Mode, {"--target", "--pixel-size"}, ReadSolve<PlanAim::DiscPixels>},
    {"--aperture", Role::Value, {}, ReadAperture},
    {"--pixel-size", Role::Value, {}, ReadPixelSize},
    {"--pixels", Role::Value, {"--pixel-size"}, ReadPixels},
    {"--wavelength", Role::Value, {}, ReadWavelength},
    {"--target", Role::Value, {}, ReadTarget},
    {"--date", Role::Value, {}, ReadDate},
};

// "--a, --b and --c": the options that choose a sweep or a solve.
std::string ModeOptionNames() {
  std::vector<std::string_view> names;
  for (const OptionRow& row : kOptionRows) {
    if (row.role == Role::Mode) names.push_back(row.name);
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

std::string Operands(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " operand" : " operands");
}

Misuse Refused(std::string_view option, std::string_view why) {
  return Misuse{std::string(option) + ": " + std::string(why)};
}

// The options given in `given` each with the options they need, or the first
// that lacks one.
std::optional<Misuse> LackingNeeds(const std::vector<const OptionRow*>& given) {
  const auto isGiven = [&](std::string_view name) {
    return std::any_of(given.begin(), given.end(),
                       [&](const OptionRow* row) { return row->name == name; });
  };
  for (const OptionRow* row : given) {
    const bool lacking =
        std::any_of(row->needs.begin(), row->needs.end(),
                    [&](std::string_view need) { return !need.empty() && !isGiven(need); });
    if (!lacking) continue;
    std::string needs = "needs " + std::string(row->needs[0]);
    if (!row->needs[1].empty()) needs += " and " + std::string(row->needs[1]);
    return Refused(row->name, needs);
  }
  return std::nullopt;
}

// The mode the options and operands ask for, or why they do not fit.
std::variant<Mode, Misuse> ModeOf(const Reading& reading,
                                  const std::vector<std::string_view>& operands) {
  const std::size_t count = operands.size();
  const auto operand = [&](std::size_t i) { return ReadNumber(operands[i]); };
  if (reading.modeOption.empty()) {
    if (count == 0) return Batch{};
    if (count != 3) return Misuse{"expected OBJECTIVE EYEPIECE EXTRACTION, got " + Operands(count)};
    return Single{{operand(0), operand(1), operand(2)}};
  }
  if (count != 2) {
    return Misuse{"expected OBJECTIVE EYEPIECE with " + std::string(reading.modeOption) + ", got " +
                  Operands(count)};
  }
  if (reading.extractions) return Sweep{operand(0), operand(1), *reading.extractions};
  return Solve{reading.solve->first, reading.solve->second, operand(0), operand(1)};
}

}  // namespace

Parsed Parse(std::span<const std::string_view> arguments) {
  Reading reading;
  std::vector<std::string_view> operands;
  std::vector<const OptionRow*> given;
  bool operandsOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (operandsOnly || argument.size() < 2 || argument[0] != '-' ||
        (argument[1] != '-' && argument != "-h")) {
      operands.push_back(argument);  // "-3" is a number
      continue;
    }
    if (argument == "--") {
      operandsOnly = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") return HelpRequest{};
    if (argument == "--version") return VersionRequest{};
    // "--name VALUE" or "--name=VALUE".
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    if (name == "--help" || name == "--version") return Refused(name, "takes no value");
    const auto row = std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                                  [&](const OptionRow& option) { return option.name == name; });
    if (row == std::end(kOptionRows)) return Refused(name, "unknown option");
    std::string_view value;
    if (row->role == Role::Switch) {
      if (equals != std::string_view::npos) return Refused(name, "takes no value");
    } else if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return Refused(name, "a value is missing");
    }
    if (row->role != Role::Switch && value.starts_with("--")) {
      return Refused(name, "expected a value, got " + std::string(value));
    }
    if (row->role == Role::Mode) {
      if (!reading.modeOption.empty()) return Refused(name, "only one of " + ModeOptionNames());
      reading.modeOption = row->name;
    }
    if (Problem problem = row->read(value, reading)) return Refused(name, *problem);
    given.push_back(row);
  }
  if (std::optional<Misuse> lacking = LackingNeeds(given)) return *lacking;
  std::variant<Mode, Misuse> mode = ModeOf(reading, operands);
  if (Misuse* misuse = std::get_if<Misuse>(&mode)) return std::move(*misuse);
  Options options = std::move(reading.options);
  options.mode = std::get<Mode>(mode);
  if (reading.target) options.target = TargetChoice{*reading.target, reading.instant};
  return options;
}

}  // namespace celforo::cli
