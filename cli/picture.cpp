#include "cli/picture.h"

#include "ui/plan_picture.h"
#include "ui/svg_writer.h"

namespace celforo::cli {

Computed<std::variant<std::string, NoPicture>> PictureDocument(const CameraAndTarget& camera,
                                                               const ProjectionInputs& inputs) {
  const Computed<ProjectionResults> results = ComputeProjection(inputs);
  if (!results) return *results.error();
  if (!(results->magnification > 0 && results->equivalentFocalLength > 0)) {
    return NoPicture{"the picture needs a magnification and an equivalent focal length above 0"};
  }
  const Computed<SensorView> view = SetUpView(camera, *results);
  if (!view) return *view.error();
  return SvgDocument(PlanPicture(*view));
}

}  // namespace celforo::cli
