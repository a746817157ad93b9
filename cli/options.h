// celforo-calc's command line read into what it asks for: help, the version,
// a misuse and why, a set-up file that cannot be read, or the options of a
// run. Reading prints nothing; it reads the set-up file --setup names.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calc/plan_columns.h"
#include "calc/targets.h"
#include "cli/files.h"
#include "cli/mode.h"

namespace celforo::cli {

struct HelpRequest {};
struct VersionRequest {};

// Arguments that cannot be run, and why: the option first where one is to
// blame ("--pixels: needs --pixel-size").
struct Misuse {
  std::string reason;
};

// A file the arguments name that cannot be read, and why, the option first:
// "--setup: cannot read trip.json: No such file or directory".
struct Unreadable {
  std::string reason;
};

// How rows are written: in columns or tab-separated, with a caption line, or
// as JSON objects.
struct Layout {
  bool tsv = false;
  bool header = false;
  bool json = false;
};

// --target NAME and the instant of --date, within the ephemerides' range;
// without --date, the instant is the run's now.
struct TargetChoice {
  Target target = Target::Sun;
  std::optional<UniversalTime> instant;
};

struct Options {
  Mode mode;
  Layout layout;
  // The camera, telescope and site as given. Its target is left empty: the
  // target comes from `target` once for the run, at its instant.
  CameraAndTarget cameraAndTarget;
  std::optional<TargetChoice> target;
  // --picture's file, for the picture of the run's one set-up.
  std::optional<std::string> picture;
};

using Parsed = std::variant<HelpRequest, VersionRequest, Misuse, Unreadable, Options>;

// The arguments, the program name excluded, with the set-up file of --setup
// read from `files` as it comes: its values are the options' where they are
// not given (setup_words.h). The first misuse in their order is the one
// told; --help and --version answer before anything after them.
Parsed Parse(std::span<const std::string_view> arguments, Files& files);

}  // namespace celforo::cli
