#include "cli/options.h"

#include <cstddef>
#include <optional>

#include "calc/version.h"
#include "cli/help_text.h"

namespace celforo::cli {
namespace {

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
    Mode mode{};
    if (name == "--extraction") {
      mode = Mode::Sweep;
    } else if (name == "--focal-length") {
      mode = Mode::SolveFocalLength;
    } else if (name == "--magnification") {
      mode = Mode::SolveMagnification;
    } else if (name == "--tsv" || name == "--header" || name == "--help" || name == "--version") {
      return misuse(name, "takes no value");
    } else {
      return misuse(name, "unknown option");
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return misuse(name, "a value is missing");
    }
    if (value.starts_with("--")) return misuse(name, "expected a value, got " + std::string(value));
    if (options.mode != Mode::Single) {
      return misuse(name, "only one of --extraction, --focal-length and --magnification");
    }
    options.mode = mode;
    options.modeOption = name;
    if (mode == Mode::Sweep) {
      std::string problem;
      const std::optional<Sweep> sweep = ParseSweep(value, problem);
      if (!sweep) return misuse(name, problem);
      options.sweep = *sweep;
    } else {
      options.target = value;
    }
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
