// celforo-calc: the window's calculation from the command line, one set-up,
// a batch from standard input, a sweep over extractions, or a solve.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace celforo::cli {

// Exit statuses: 0 all computed, 1 some calculation failed, 2 misuse.
enum ExitStatus : int { kSuccess = 0, kCalculationFailed = 1, kUsage = 2 };

// Runs the program on `arguments` (the program name excluded).
int RunCelforoCalc(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out,
                   std::FILE* err);

}  // namespace celforo::cli
