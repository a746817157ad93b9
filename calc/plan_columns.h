// What a set-up does to a camera and a target, as columns: each one a caption,
// when it applies, and how its value comes from the equivalent focal length.
// celforo-calc prints them after the three results, and the planning panel
// shows them, from this one table.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calc/ephemeris.h"
#include "calc/targets.h"

namespace celforo {

// A sensor's size in pixels.
struct SensorPixels {
  double width = 0;
  double height = 0;
  bool operator==(const SensorPixels&) const = default;
};

// The sensor "WxH" describes, "1280x960" or "1280×960": two whole numbers of
// pixels from 1 to 1,000,000; nothing for any other text.
std::optional<SensorPixels> ParseSensorPixels(std::string_view text);

// A target and its size at the chosen instant.
struct TargetOnDate {
  Target target;
  TargetSize size;
};

// The camera and the target a set-up is planned for; what is not given is
// nothing, and the columns that need it do not apply.
struct CameraAndTarget {
  std::optional<double> aperture;      // in the set-up's length unit
  std::optional<double> pixelSize;     // micrometres; the lengths then in millimetres
  std::optional<SensorPixels> sensor;  // with pixelSize
  double wavelength = 550;             // nanometres
  std::optional<TargetOnDate> target;
};

inline constexpr double kDefaultWavelength = 550;

// The captions of the columns, to name a column where it is needed.
inline constexpr std::string_view kFocalRatioCaption = "RAPPORTO FOCALE";
inline constexpr std::string_view kImageScaleCaption = "SCALA (ARCSEC/PIXEL)";
inline constexpr std::string_view kFieldWidthCaption = "CAMPO ORIZZ. (ARCMIN)";
inline constexpr std::string_view kFieldHeightCaption = "CAMPO VERT. (ARCMIN)";
inline constexpr std::string_view kDiameterCaption = "DIAMETRO (ARCSEC)";
inline constexpr std::string_view kDiscPixelsCaption = "DIAMETRO (PIXEL)";
inline constexpr std::string_view kRingsCaption = "ANELLI (ARCSEC)";
inline constexpr std::string_view kSamplingCaption = "CAMPIONAMENTO (Q)";
inline constexpr std::string_view kCaptureCaption = "RIPRESA MAX (S)";

struct PlanColumn {
  std::string_view caption;
  bool (*applies)(const CameraAndTarget&);
  // The value for an equivalent focal length; called only where the column
  // applies. Throws RunTimeError.
  double (*compute)(const CameraAndTarget&, double equivalentFocalLength);
};

// What a solve can aim at, beyond the equivalent focal length and the
// magnification: a value of one of the columns. kPlanSolves holds them in
// this order.
enum class PlanAim { FocalRatio, ImageScale, Sampling, DiscPixels };

struct PlanSolve {
  PlanAim aim;
  std::string_view caption;                  // the column whose value is aimed at
  bool (*possible)(const CameraAndTarget&);  // what it needs is given
  // The extraction that gives `value`. Throws RunTimeError.
  double (*extraction)(double objectiveFocalLength, double eyepieceFocalLength,
                       const CameraAndTarget&, double value);
};

namespace plan_columns {

// What a column needs, given.
bool HasAperture(const CameraAndTarget& c);
bool HasPixels(const CameraAndTarget& c);
bool HasSensor(const CameraAndTarget& c);
bool HasTarget(const CameraAndTarget& c);
bool HasTargetAndPixels(const CameraAndTarget& c);
bool HasRings(const CameraAndTarget& c);
bool HasApertureAndPixels(const CameraAndTarget& c);
bool HasTurningTarget(const CameraAndTarget& c);

// Each column's and each solve's value.
double FocalRatioOf(const CameraAndTarget& c, double focalLength);
double ImageScaleOf(const CameraAndTarget& c, double focalLength);
double FieldWidthOf(const CameraAndTarget& c, double focalLength);
double FieldHeightOf(const CameraAndTarget& c, double focalLength);
double DiameterOf(const CameraAndTarget& c, double focalLength);
double DiscPixelsOf(const CameraAndTarget& c, double focalLength);
double RingsOf(const CameraAndTarget& c, double focalLength);
double SamplingOf(const CameraAndTarget& c, double focalLength);
double CaptureOf(const CameraAndTarget& c, double focalLength);

double ForFocalRatio(double objective, double eyepiece, const CameraAndTarget& c, double value);
double ForImageScale(double objective, double eyepiece, const CameraAndTarget& c, double value);
double ForSampling(double objective, double eyepiece, const CameraAndTarget& c, double value);
double ForDiscPixels(double objective, double eyepiece, const CameraAndTarget& c, double value);

}  // namespace plan_columns

// In the order they are printed and shown.
inline constexpr std::array<PlanColumn, 9> kPlanColumns{{
    {kFocalRatioCaption, plan_columns::HasAperture, plan_columns::FocalRatioOf},
    {kImageScaleCaption, plan_columns::HasPixels, plan_columns::ImageScaleOf},
    {kFieldWidthCaption, plan_columns::HasSensor, plan_columns::FieldWidthOf},
    {kFieldHeightCaption, plan_columns::HasSensor, plan_columns::FieldHeightOf},
    {kDiameterCaption, plan_columns::HasTarget, plan_columns::DiameterOf},
    {kDiscPixelsCaption, plan_columns::HasTargetAndPixels, plan_columns::DiscPixelsOf},
    {kRingsCaption, plan_columns::HasRings, plan_columns::RingsOf},
    {kSamplingCaption, plan_columns::HasApertureAndPixels, plan_columns::SamplingOf},
    {kCaptureCaption, plan_columns::HasTurningTarget, plan_columns::CaptureOf},
}};

// In the order of PlanAim, so that kPlanSolves[int(aim)] is aim's.
inline constexpr std::array<PlanSolve, 4> kPlanSolves{{
    {PlanAim::FocalRatio, kFocalRatioCaption, plan_columns::HasAperture,
     plan_columns::ForFocalRatio},
    {PlanAim::ImageScale, kImageScaleCaption, plan_columns::HasPixels, plan_columns::ForImageScale},
    {PlanAim::Sampling, kSamplingCaption, plan_columns::HasApertureAndPixels,
     plan_columns::ForSampling},
    {PlanAim::DiscPixels, kDiscPixelsCaption, plan_columns::HasTargetAndPixels,
     plan_columns::ForDiscPixels},
}};

constexpr bool SolvesInAimOrder() {
  for (std::size_t i = 0; i < kPlanSolves.size(); ++i)
    if (kPlanSolves[i].aim != static_cast<PlanAim>(i)) return false;
  return true;
}
static_assert(SolvesInAimOrder());

constexpr const PlanSolve& SolveFor(PlanAim aim) {
  return kPlanSolves[static_cast<std::size_t>(aim)];
}

}  // namespace celforo
