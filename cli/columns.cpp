#include "cli/columns.h"

namespace celforo::cli {

Columns::Columns(bool withExtraction, const CameraAndTarget& cameraAndTarget)
    : withExtraction_(withExtraction) {
  for (const PlanColumn& column : kPlanColumns) {
    if (column.applies(cameraAndTarget)) plan_[planCount_++] = &column;
  }
}

std::string_view Columns::Caption(std::size_t field) const {
  if (withExtraction_) {
    if (field == 0) return kExtractionCaption;
    --field;
  }
  if (field < kResultCaptions.size()) return kResultCaptions[field];
  return plan_[field - kResultCaptions.size()]->caption;
}

}  // namespace celforo::cli
