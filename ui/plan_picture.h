// The planning picture: the sensor's field drawn to scale over the target as
// the camera will record it, north up and east to the left, with a line
// saying what it shows.
#pragma once

#include <optional>

#include "calc/date_time.h"
#include "calc/plan_columns.h"
#include "ui/display_list.h"

namespace celforo {

// The picture's size in the panel's table, in twips, which the table's
// element is held to, and in the picture's own units (pixels at 96 dots per
// inch, 15 twips each); its foot holds the line of text.
inline constexpr int kPlanPictureWidthTwips = 4815;
inline constexpr int kPlanPictureHeightTwips = 2250;
inline constexpr double kPlanPictureWidth = kPlanPictureWidthTwips / 15.0;    // 321
inline constexpr double kPlanPictureHeight = kPlanPictureHeightTwips / 15.0;  // 150
inline constexpr double kPlanPictureTextHeight = 20;

// What a set-up shows on the sensor: its field in pixels and arcminutes, the
// target's disc and rings in pixels, the eyepiece's field stop and, for
// Jupiter, the Red Spot.
struct SensorView {
  SensorPixels sensor;
  double fieldWidth = 0, fieldHeight = 0;  // arcminutes
  std::optional<TargetOnDate> target;
  double discPixels = 0;   // the disc's equatorial diameter on the sensor
  double ringsPixels = 0;  // the rings' outer diameter; 0 without rings
  // The field stop's image on the sensor, its diameter in pixels; none
  // without a field stop or the magnification.
  std::optional<double> fieldStopPixels;
  // Jupiter: the Red Spot's System II longitude, and its next transit in
  // the machine's local time, to the nearest minute.
  std::optional<double> redSpotLongitude;
  std::optional<CivilTime> redSpotTransit;
};

// The view of an equivalent focal length for a camera with a sensor; with
// the projection's `magnification` too, the field stop of `inputs` on the
// sensor (FieldStopPixels). Fails as the planning columns do.
Computed<SensorView> ViewOf(const CameraAndTarget& inputs, double equivalentFocalLength,
                            std::optional<double> magnification = std::nullopt);

// The view of a set-up's results, as the planning panel draws it and
// celforo-calc --picture writes it: ViewOf with the results' equivalent
// focal length and magnification.
Computed<SensorView> SetUpView(const CameraAndTarget& inputs, const ProjectionResults& results);

// The sensor's frame fitted into the picture with a margin and centred, the
// target centred on it at the same scale: its disc turned to its pole and
// flattened (Jupiter, Saturn), dark where the Sun does not light it, the
// lit part bounded by the terminator; the Sun and the Moon, when they
// overflow the frame, with their bright limb across its centre. Saturn's
// rings at their tilt (ry = rx |sin B|) and turned to the pole, their far
// half behind the globe and their near half in front. Jupiter's moons to
// scale (never under 2 units across, to be seen) at their places, named,
// their shadows on the disc as dots of the moon's size, the Red Spot where
// the Earth sees it, a moon beyond the picture's edge marked there, in its
// direction, with its name. The field stop's circle about the frame's
// centre, and an N-E mark in the top-left corner. Marks (the page's
// classes): "sensor", "target" (the whole disc), "lit", "rings" (their
// outer edge), "rings-near", "red-spot", "moon", "shadow", "moon-label",
// "moon-edge", "field-stop". The line, the last shape, reads "Venere
// 35.2″ · fase 33% · 230 px · 24% del lato corto", or "Campo 3.3′ × 2.5′"
// without a target; the description says the same and the rest in words.
DisplayList PlanPicture(const SensorView& view);

// The picture when there is nothing to show: the ground and a line saying so.
DisplayList EmptyPlanPicture(std::string_view why);

}  // namespace celforo
