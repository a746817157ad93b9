// celforo-calc's command line read into options.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/planning_columns.h"
#include "cli/sweep.h"
#include "cli/writer.h"

namespace celforo::cli {

enum class Mode {
  Single,
  Batch,
  Sweep,
  SolveFocalLength,
  SolveMagnification,
  SolveFocalRatio,
  SolveImageScale
};

struct Options {
  Mode mode = Mode::Single;
  std::string_view modeOption;  // the option that chose the mode, if one did
  bool tsv = false;
  bool header = false;
  Sweep sweep;
  std::string_view target;  // the value a solve aims at
  PlanningColumns planning;
  std::vector<std::string_view> operands;
};

// The arguments read into options; --help and --version answered on `out`.
struct Parsed {
  Options options;
  bool answered = false;
  std::string problem;  // why the arguments are misused; empty when they are not
};

Parsed Parse(std::span<const std::string_view> arguments, Writer& out);

}  // namespace celforo::cli
