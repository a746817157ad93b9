// The planning picture of a run's one set-up as an SVG document: the
// planning panel's own picture (SetUpView, PlanPicture), written as its
// ESPORTA IMMAGINE writes it (SvgDocument), so that the same inputs at the
// same instant give the same bytes.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"

namespace celforo::cli {

// Why a set-up that has results has no picture: the picture's sizes are
// drawn from the magnification and the equivalent focal length, and a
// negative one (an extraction or a length below zero) would draw discs and
// fields of negative size.
struct NoPicture {
  std::string_view why;
};

// The picture of `inputs` for `camera`, whose target is already computed at
// the run's instant and which has a pixel size and a sensor. Fails where
// the set-up has no results, as the window's calculation does, or its view
// cannot be drawn.
Computed<std::variant<std::string, NoPicture>> PictureDocument(const CameraAndTarget& camera,
                                                               const ProjectionInputs& inputs);

}  // namespace celforo::cli
