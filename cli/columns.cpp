#include "cli/columns.h"

namespace celforo::cli {

Columns::Columns(Lead lead, const CameraAndTarget& cameraAndTarget) : lead_(lead) {
  if (lead == Lead::Extraction) Add(kExtractionHeading);
  if (lead == Lead::Time) Add(kTimeHeading);
  for (const Heading& heading : kResultHeadings) Add(heading);
  for (const PlanColumn& column : kPlanColumns) {
    if (!column.applies(cameraAndTarget)) continue;
    plan_[planCount_++] = &column;
    Add({column.caption, column.key});
  }
}

Columns Columns::ForEvents(bool withAltitude) {
  Columns columns;
  for (std::size_t i = 0; i < kEventHeadings.size() - (withAltitude ? 0 : 1); ++i)
    columns.Add(kEventHeadings[i]);
  return columns;
}

}  // namespace celforo::cli
