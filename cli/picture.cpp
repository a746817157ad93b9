#include "cli/picture.h"

#include "ui/plan_picture.h"
#include "ui/svg_writer.h"

namespace celforo::cli {

std::variant<std::string, NoPicture> PictureDocument(const CameraAndTarget& camera,
                                                     const ProjectionInputs& inputs) {
  const ProjectionResults results = ComputeProjection(inputs);
  if (!(results.magnification > 0 && results.equivalentFocalLength > 0)) {
    return NoPicture{"the picture needs a magnification and an equivalent focal length above 0"};
  }
  return SvgDocument(PlanPicture(SetUpView(camera, results)));
}

}  // namespace celforo::cli
