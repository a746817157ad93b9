// celforo-calc: the window's calculation from the command line, one set-up,
// a batch from standard input, a sweep over extractions, or a solve; a
// set-up file read as options, and the planning picture written.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "calc/date_time.h"
#include "cli/batch_reader.h"  // kReadBlock, kLineLimit
#include "cli/byte_stream.h"
#include "cli/files.h"

namespace celforo::cli {

// Exit statuses: 0 all computed, 1 some calculation failed, 2 misuse, 3 the
// input or the set-up file could not be read, or the output or the picture
// not written.
enum ExitStatus : int { kSuccess = 0, kCalculationFailed = 1, kUsage = 2, kStreamFailed = 3 };

// The instant now, read once for a run that needs it.
using Clock = UniversalTime (*)();

// Runs the program on `arguments` (the program name excluded), with the
// files it names in `files`.
int RunCelforoCalc(std::span<const std::string_view> arguments, Input& in, Output& out, Output& err,
                   Files& files, Clock now = NowInstant);

}  // namespace celforo::cli
