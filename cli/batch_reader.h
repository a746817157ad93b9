// The batch: set-ups read from standard input, a line each, each answered
// with a row as soon as its line has come.
#pragma once

#include <cstddef>
#include <optional>

#include "cli/byte_stream.h"
#include "cli/calculation.h"
#include "cli/printer.h"
#include "cli/writer.h"

namespace celforo::cli {

// A batch is read in blocks of this size; each block's complete lines are
// answered and written out before the next read.
inline constexpr std::size_t kReadBlock = std::size_t{1} << 16;

// A batch line longer than this (1 MiB, its line end excluded) is not held:
// it is reported and leaves an empty row.
inline constexpr std::size_t kLineLimit = std::size_t{1} << 20;

// Answers every line of `in` with the row `calculator` computes, written by
// `printer`. Stops at the first failure to read, which it gives back, or to
// write (left in `out` or `err`).
std::optional<StreamFailure> AnswerBatch(Input& in, const Calculator& calculator, Printer& printer,
                                         Writer& out, Writer& err);

}  // namespace celforo::cli
