// The planning picture: the sensor's field drawn to scale over the target,
// with a line saying what it shows.
#pragma once

#include <optional>

#include "calc/plan_columns.h"
#include "ui/display_list.h"

namespace celforo {

// The picture's size, in its units (pixels at 96 dots per inch), that of its
// element in the panel's table (form2.h holds them in step); its foot holds
// the line of text.
inline constexpr double kPlanPictureWidth = 321;
inline constexpr double kPlanPictureHeight = 150;
inline constexpr double kPlanPictureTextHeight = 20;

// What a set-up shows on the sensor: its field in pixels and arcminutes, and
// the target's disc and rings in pixels.
struct SensorView {
  SensorPixels sensor;
  double fieldWidth = 0, fieldHeight = 0;  // arcminutes
  std::optional<TargetOnDate> target;
  double discPixels = 0;   // the disc's diameter on the sensor
  double ringsPixels = 0;  // the rings' outer diameter; 0 without rings
};

// The view of an equivalent focal length for a camera with a sensor.
// Throws RunTimeError as the planning columns do.
SensorView ViewOf(const CameraAndTarget& inputs, double equivalentFocalLength);

// The sensor's frame fitted into the picture with a margin and centred, the
// target centred on it at the same scale (the Sun and the Moon, when they
// overflow the frame, with their limb across its centre), Saturn's rings an
// ellipse whose minor axis is the major axis times |sin B|; without a target,
// the frame alone. The line reads "Giove 47.3″ · 306 px · 32% del lato
// corto", or "Campo 3.3′ × 2.5′" without a target.
DisplayList PlanPicture(const SensorView& view);

// The picture when there is nothing to show: the ground and a line saying so.
DisplayList EmptyPlanPicture(std::string_view why);

}  // namespace celforo
