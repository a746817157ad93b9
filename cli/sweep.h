// The extractions of --extraction FROM:TO:STEP.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace celforo::cli {

inline constexpr std::size_t kMaxSweepRows = 1'000'000;

// FROM and TO included. Each extraction is computed from its row's index, so
// no rounding accumulates; the last one within a millionth of a step of TO is
// TO itself.
struct ExtractionSteps {
  double from = 0;
  double to = 0;
  double step = 0;
  std::size_t steps = 0;  // whole steps from FROM that end at or before TO
  bool toApart = false;   // whether TO is a row of its own after them

  std::size_t rows() const { return steps + (toApart ? 2 : 1); }
  double Extraction(std::size_t row) const {
    if (row > steps || (row == steps && !toApart)) return to;
    return from + static_cast<double>(row) * step;
  }
};

// The extractions FROM:TO:STEP describes, or nothing and why in `problem`.
std::optional<ExtractionSteps> ParseExtractionSteps(std::string_view text, std::string& problem);

}  // namespace celforo::cli
