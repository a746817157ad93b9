// One set-up's shown texts, as celforo-calc prints them, and their captions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/projection.h"
#include "cli/planning_columns.h"

namespace celforo::cli {

inline constexpr std::string_view kExtractionCaption = "EXTR. OCULARE";
inline constexpr std::array<std::string_view, 3> kResultCaptions{
    "INGRANDIMENTI", "FOC. EQUIVALENTE", "DIST. PIANO FOCALE - OCUL.ARE"};

// An optional extraction, the three results, then the planning columns.
struct Row {
  std::optional<std::string> extraction;
  std::array<std::string, 3> results;
  std::vector<std::string> planning;
};

// The captions of a row's fields, in their order.
std::vector<std::string_view> RowCaptions(bool withExtraction, const PlanningColumns& planning);

// The results are computed first, so a failure is the window's, then the
// planning columns. The extraction is an input, written as the window writes
// a value into a box. Throws RunTimeError.
Row Calculate(const ProjectionInputs& inputs, bool showExtraction, const PlanningColumns& planning);

}  // namespace celforo::cli
