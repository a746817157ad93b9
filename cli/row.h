// One set-up's shown texts, as celforo-calc prints them, and their captions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/projection.h"

namespace celforo::cli {

inline constexpr std::string_view kExtractionCaption = "EXTR. OCULARE";
inline constexpr std::array<std::string_view, 3> kResultCaptions{
    "INGRANDIMENTI", "FOC. EQUIVALENTE", "DIST. PIANO FOCALE - OCUL.ARE"};

// An optional extraction, then the three results.
struct Row {
  std::optional<std::string> extraction;
  std::array<std::string, 3> results;
};

// The results are computed first, so a failure is the window's. The
// extraction is an input, written as the window writes a value into a box.
// Throws RunTimeError.
Row Calculate(const ProjectionInputs& inputs, bool showExtraction);

}  // namespace celforo::cli
