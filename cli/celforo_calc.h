// celforo-calc: the window's calculation from the command line, one set-up,
// a batch from standard input, a sweep over extractions, or a solve.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "cli/byte_stream.h"

namespace celforo::cli {

// Exit statuses: 0 all computed, 1 some calculation failed, 2 misuse, 3 the
// input could not be read or the output not written.
enum ExitStatus : int { kSuccess = 0, kCalculationFailed = 1, kUsage = 2, kStreamFailed = 3 };

// A batch is read in blocks of this size; each block's complete lines are
// answered and written out before the next read.
inline constexpr std::size_t kReadBlock = std::size_t{1} << 16;

// A batch line longer than this (1 MiB, its line end excluded) is not held:
// it is reported and leaves an empty row.
inline constexpr std::size_t kLineLimit = std::size_t{1} << 20;

// Runs the program on `arguments` (the program name excluded).
int RunCelforoCalc(std::span<const std::string_view> arguments, Input& in, Output& out,
                   Output& err);

}  // namespace celforo::cli
