#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "calc/numeric_text.h"
#include "calc/version.h"
#include "cli/help_text.h"

namespace celforo::cli {
namespace {

// The options that take a value, and the mode each chooses: Single for the
// telescope and camera data, which every mode takes.
struct ValueOption {
  std::string_view name;
  Mode mode;
};
constexpr std::array<ValueOption, 8> kValueOptions{{{"--extraction", Mode::Sweep},
                                                    {"--focal-length", Mode::SolveFocalLength},
                                                    {"--magnification", Mode::SolveMagnification},
                                                    {"--focal-ratio", Mode::SolveFocalRatio},
                                                    {"--image-scale", Mode::SolveImageScale},
                                                    {"--aperture", Mode::Single},
                                                    {"--pixel-size", Mode::Single},
                                                    {"--pixels", Mode::Single}}};

std::string Operands(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " operand" : " operands");
}

}  // namespace

Parsed Parse(std::span<const std::string_view> arguments, Writer& out) {
  Parsed parsed;
  Options& options = parsed.options;
  const auto misuse = [&](std::string_view option, std::string_view why) {
    parsed.problem = option.empty() ? std::string(why) : std::string(option) + ": ";
    if (!option.empty()) parsed.problem += why;
    return parsed;
  };
  bool operandsOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (operandsOnly || argument.size() < 2 || argument[0] != '-' ||
        (argument[1] != '-' && argument != "-h")) {
      options.operands.push_back(argument);  // "-3" is a number
      continue;
    }
    if (argument == "--") {
      operandsOnly = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      out.Put(kUsageText);
      out.Put('\n');
      out.Put(kHelpText);
      parsed.answered = true;
      return parsed;
    }
    if (argument == "--version") {
      out.Put("celforo-calc ");
      out.Put(kVersion);
      out.Put('\n');
      out.Put(kCopyrightAndLicence);
      parsed.answered = true;
      return parsed;
    }
    if (argument == "--tsv") {
      options.tsv = true;
      continue;
    }
    if (argument == "--header") {
      options.header = true;
      continue;
    }
    // Options with a value, as "--name VALUE" or "--name=VALUE".
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto known = std::find_if(kValueOptions.begin(), kValueOptions.end(),
                                    [&](const ValueOption& option) { return option.name == name; });
    if (name == "--tsv" || name == "--header" || name == "--help" || name == "--version") {
      return misuse(name, "takes no value");
    }
    if (known == kValueOptions.end()) return misuse(name, "unknown option");
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return misuse(name, "a value is missing");
    }
    if (value.starts_with("--")) return misuse(name, "expected a value, got " + std::string(value));
    if (name == "--aperture") {
      options.planning.aperture = ReadNumber(value);
      continue;
    }
    if (name == "--pixel-size") {
      options.planning.pixelSize = ReadNumber(value);
      continue;
    }
    if (name == "--pixels") {
      options.planning.pixels = ParseSensorPixels(value);
      if (!options.planning.pixels) {
        return misuse(name, "expected WxH, whole numbers of pixels from 1 to 1,000,000, got " +
                                std::string(value));
      }
      continue;
    }
    if (options.mode != Mode::Single) {
      return misuse(name,
                    "only one of --extraction, --focal-length, --magnification, --focal-ratio "
                    "and --image-scale");
    }
    options.mode = known->mode;
    options.modeOption = name;
    if (known->mode == Mode::Sweep) {
      std::string problem;
      const std::optional<Sweep> sweep = ParseSweep(value, problem);
      if (!sweep) return misuse(name, problem);
      options.sweep = *sweep;
    } else {
      options.target = value;
    }
  }
  const PlanningColumns& planning = options.planning;
  if (planning.pixels && !planning.pixelSize) return misuse("--pixels", "needs --pixel-size");
  if (options.mode == Mode::SolveFocalRatio && !planning.aperture) {
    return misuse("--focal-ratio", "needs --aperture");
  }
  if (options.mode == Mode::SolveImageScale && !planning.pixelSize) {
    return misuse("--image-scale", "needs --pixel-size");
  }
  const std::size_t count = options.operands.size();
  if (options.mode == Mode::Single) {
    if (count == 0) {
      options.mode = Mode::Batch;
    } else if (count != 3) {
      return misuse({}, "expected OBJECTIVE EYEPIECE EXTRACTION, got " + Operands(count));
    }
  } else if (count != 2) {
    return misuse({}, "expected OBJECTIVE EYEPIECE with " + std::string(options.modeOption) +
                          ", got " + Operands(count));
  }
  return parsed;
}

}  // namespace celforo::cli
