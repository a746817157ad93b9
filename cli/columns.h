// The columns of a run's rows, in their order: the extraction when the mode
// shows it, the three results, then the columns of the plan (calc's
// kPlanColumns) that apply to the run's camera and target.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <tuple>

#include "calc/plan_columns.h"

namespace celforo::cli {

inline constexpr std::string_view kExtractionCaption = "EXTR. OCULARE";
inline constexpr std::array<std::string_view, 3> kResultCaptions{
    "INGRANDIMENTI", "FOC. EQUIVALENTE", "DIST. PIANO FOCALE - OCUL.ARE"};

// The most fields a row can have: the extraction, three results and every
// column of the plan.
inline constexpr std::size_t kMostFields =
    1 + kResultCaptions.size() + std::tuple_size_v<decltype(kPlanColumns)>;

class Columns {
public:
  // Which plan columns apply is decided here, once for the run.
  Columns(bool withExtraction, const CameraAndTarget& cameraAndTarget);

  bool withExtraction() const { return withExtraction_; }
  std::span<const PlanColumn* const> plan() const { return {plan_.data(), planCount_}; }
  std::size_t size() const {
    return (withExtraction_ ? 1 : 0) + kResultCaptions.size() + planCount_;
  }
  std::string_view Caption(std::size_t field) const;

private:
  bool withExtraction_;
  std::array<const PlanColumn*, std::tuple_size_v<decltype(kPlanColumns)>> plan_{};
  std::size_t planCount_ = 0;
};

}  // namespace celforo::cli
