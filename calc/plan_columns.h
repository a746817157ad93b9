// What a set-up does to a camera and a target, as columns: each one a
// caption, its key in JSON, when it applies, and how its value comes from
// the set-up's results and the target at its instant. celforo-calc prints
// them after the three results, and the planning panel shows a chosen few
// of them, from this one table.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>

#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "calc/target_on_date.h"
#include "calc/targets.h"
#include "calc/time_scale.h"

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

// The camera and the target a set-up is planned for; what is not given is
// nothing, and the columns that need it do not apply.
struct CameraAndTarget {
  std::optional<double> aperture;      // in the set-up's length unit
  std::optional<double> pixelSize;     // micrometres; the lengths then in millimetres
  std::optional<SensorPixels> sensor;  // with pixelSize
  double wavelength = 550;             // nanometres
  std::optional<double> fieldStop;     // the eyepiece's, millimetres
  Observing observing;                 // the site, the band and the like
  std::optional<TargetOnDate> target;  // computed by TargetOnDateAt with `observing`
};

inline constexpr double kDefaultWavelength = 550;

// The captions of the columns, to name a column where it is needed.
inline constexpr std::string_view kFocalRatioCaption = "RAPPORTO FOCALE";
inline constexpr std::string_view kImageScaleCaption = "SCALA (ARCSEC/PIXEL)";
inline constexpr std::string_view kFieldWidthCaption = "CAMPO ORIZZ. (ARCMIN)";
inline constexpr std::string_view kFieldHeightCaption = "CAMPO VERT. (ARCMIN)";
inline constexpr std::string_view kFieldStopCaption = "DIAFRAMMA (PIXEL)";
inline constexpr std::string_view kDiameterCaption = "DIAMETRO (ARCSEC)";
inline constexpr std::string_view kDiscPixelsCaption = "DIAMETRO (PIXEL)";
inline constexpr std::string_view kRingsCaption = "ANELLI (ARCSEC)";
inline constexpr std::string_view kSamplingCaption = "CAMPIONAMENTO (Q)";
inline constexpr std::string_view kCaptureCaption = "RIPRESA MAX (S)";
inline constexpr std::string_view kAltitudeCaption = "ALTEZZA (GRADI)";
inline constexpr std::string_view kAzimuthCaption = "AZIMUT (GRADI)";
inline constexpr std::string_view kAirMassCaption = "MASSA D'ARIA";
inline constexpr std::string_view kDispersionCaption = "DISPERSIONE (ARCSEC)";
inline constexpr std::string_view kDispersionPixelsCaption = "DISPERSIONE (PIXEL)";
inline constexpr std::string_view kRiseCaption = "SORGE";
inline constexpr std::string_view kTransitCaption = "TRANSITA";
inline constexpr std::string_view kSetCaption = "TRAMONTA";
inline constexpr std::string_view kBestTimeCaption = "MIGLIORE ORA";
inline constexpr std::string_view kAboveFromCaption = "SOPRA MIN. DALLE";
inline constexpr std::string_view kAboveUntilCaption = "SOPRA MIN. FINO ALLE";
inline constexpr std::string_view kPhaseCaption = "FASE (%)";
inline constexpr std::string_view kPhaseAngleCaption = "ANGOLO DI FASE (GRADI)";
inline constexpr std::string_view kBrightLimbCaption = "LEMBO (GRADI)";
inline constexpr std::string_view kPoleCaption = "ASSE (GRADI)";
inline constexpr std::string_view kMeridianCaption = "MC (GRADI)";
inline constexpr std::string_view kSystemICaption = "MC I (GRADI)";
inline constexpr std::string_view kSystemIICaption = "MC II (GRADI)";
inline constexpr std::string_view kRedSpotCaption = "MACCHIA ROSSA";

// A value that is a word, an event that does not happen: "non sorge". JSON
// writes it as a string.
struct PlanWord {
  std::string_view text;
};

// No value, and the word that says why: "sotto l'orizzonte". JSON writes
// null.
struct NoValue {
  std::string_view why;
};

// What a column computes: a number, an instant (shown in local time) or a
// word.
using PlanValue = std::variant<double, UniversalTime, PlanWord, NoValue>;

// The words the columns give in place of a value.
inline constexpr std::string_view kBelowHorizon = "sotto l'orizzonte";  // NoValue
inline constexpr std::string_view kNoRise = "non sorge";
inline constexpr std::string_view kNoTransit = "non transita";
inline constexpr std::string_view kNoSet = "non tramonta";
inline constexpr std::string_view kAlwaysAbove = "sempre sopra";
inline constexpr std::string_view kAlwaysBelow = "sempre sotto";
inline constexpr std::string_view kNeverDark = "mai buio";
inline constexpr std::string_view kNeverAboveMinimum = "sotto la minima";

// How a column's number is shown: as the window shows a result, which fails
// when it rounds to zero at six decimals (ResultText), or as a measurement,
// of which zero is a value like any other (MeasureText).
enum class NumberForm { Result, Measurement };

struct PlanColumn {
  std::string_view caption;
  std::string_view key;  // its name in JSON, English snake_case: "focal_ratio"
  NumberForm form;
  bool (*applies)(const CameraAndTarget&);
  // Whether the value depends on the set-up's results; if not, it is the
  // same for every set-up of a run, and may be computed once.
  bool bySetUp;
  // The value for a set-up's results, or the run-time error computing it
  // met; called only where the column applies.
  Computed<PlanValue> (*compute)(const CameraAndTarget&, const ProjectionResults&);
};

// What a solve can aim at, beyond the equivalent focal length and the
// magnification: a value of one of the columns. kPlanSolves holds them in
// this order.
enum class PlanAim { FocalRatio, ImageScale, Sampling, DiscPixels };

struct PlanSolve {
  PlanAim aim;
  std::string_view caption;                  // the column whose value is aimed at
  bool (*possible)(const CameraAndTarget&);  // what it needs is given
  // The extraction that gives `value`, or the run-time error that stops it.
  Computed<double> (*extraction)(double objectiveFocalLength, double eyepieceFocalLength,
                                 const CameraAndTarget&, double value);
};

namespace plan_columns {

// What a column needs, given.
bool HasAperture(const CameraAndTarget& c);
bool HasPixels(const CameraAndTarget& c);
bool HasSensor(const CameraAndTarget& c);
bool HasFieldStop(const CameraAndTarget& c);
bool HasTarget(const CameraAndTarget& c);
bool HasTargetAndPixels(const CameraAndTarget& c);
bool HasRings(const CameraAndTarget& c);
bool HasApertureAndPixels(const CameraAndTarget& c);
bool HasTurningTarget(const CameraAndTarget& c);
bool HasSky(const CameraAndTarget& c);
bool HasSkyAndPixels(const CameraAndTarget& c);
bool HasPhase(const CameraAndTarget& c);  // every target but the Sun
bool HasPole(const CameraAndTarget& c);
bool HasMeridian(const CameraAndTarget& c);
bool HasSystems(const CameraAndTarget& c);
bool HasMoons(const CameraAndTarget& c);

// Each column's and each solve's value.
Computed<PlanValue> FocalRatioOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> ImageScaleOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> FieldWidthOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> FieldHeightOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> FieldStopOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> DiameterOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> DiscPixelsOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> RingsOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> SamplingOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> CaptureOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> AltitudeOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> AzimuthOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> AirMassOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> DispersionOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> DispersionPixelsOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> RiseOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> TransitOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> SetOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> BestTimeOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> AboveFromOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> AboveUntilOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> PhaseOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> PhaseAngleOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> BrightLimbOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> PoleOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> MeridianOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> SystemIOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> SystemIIOf(const CameraAndTarget& c, const ProjectionResults& r);
Computed<PlanValue> RedSpotOf(const CameraAndTarget& c, const ProjectionResults& r);

// A moon's offset from Jupiter's centre in Jupiter's equatorial radii, x
// towards the west or y towards Jupiter's north.
template <GalileanMoon kMoon, bool kX>
Computed<PlanValue> MoonOffsetOf(const CameraAndTarget& c, const ProjectionResults&) {
  const JovianOffset& offset = (*c.target->moons)[static_cast<std::size_t>(kMoon)].offset;
  return kX ? offset.x : offset.y;
}

Computed<double> ForFocalRatio(double objective, double eyepiece, const CameraAndTarget& c,
                               double value);
Computed<double> ForImageScale(double objective, double eyepiece, const CameraAndTarget& c,
                               double value);
Computed<double> ForSampling(double objective, double eyepiece, const CameraAndTarget& c,
                             double value);
Computed<double> ForDiscPixels(double objective, double eyepiece, const CameraAndTarget& c,
                               double value);

}  // namespace plan_columns

// In the order they are printed and shown. The sky's need a site, and the
// times are local: "2026-12-07T16:44+01:00".
inline constexpr auto kResult = NumberForm::Result;
inline constexpr auto kMeasure = NumberForm::Measurement;
inline constexpr std::array<PlanColumn, 37> kPlanColumns{{
    {kFocalRatioCaption, "focal_ratio", kResult, plan_columns::HasAperture, true,
     plan_columns::FocalRatioOf},
    {kImageScaleCaption, "image_scale", kResult, plan_columns::HasPixels, true,
     plan_columns::ImageScaleOf},
    {kFieldWidthCaption, "field_width", kResult, plan_columns::HasSensor, true,
     plan_columns::FieldWidthOf},
    {kFieldHeightCaption, "field_height", kResult, plan_columns::HasSensor, true,
     plan_columns::FieldHeightOf},
    {kFieldStopCaption, "field_stop_pixels", kResult, plan_columns::HasFieldStop, true,
     plan_columns::FieldStopOf},
    {kDiameterCaption, "diameter", kResult, plan_columns::HasTarget, false,
     plan_columns::DiameterOf},
    {kDiscPixelsCaption, "disc_pixels", kResult, plan_columns::HasTargetAndPixels, true,
     plan_columns::DiscPixelsOf},
    {kRingsCaption, "rings_diameter", kResult, plan_columns::HasRings, false,
     plan_columns::RingsOf},
    {kSamplingCaption, "sampling", kResult, plan_columns::HasApertureAndPixels, true,
     plan_columns::SamplingOf},
    {kCaptureCaption, "longest_capture", kResult, plan_columns::HasTurningTarget, true,
     plan_columns::CaptureOf},
    {kAltitudeCaption, "altitude", kMeasure, plan_columns::HasSky, false, plan_columns::AltitudeOf},
    {kAzimuthCaption, "azimuth", kMeasure, plan_columns::HasSky, false, plan_columns::AzimuthOf},
    {kAirMassCaption, "air_mass", kMeasure, plan_columns::HasSky, false, plan_columns::AirMassOf},
    {kDispersionCaption, "dispersion", kMeasure, plan_columns::HasSky, false,
     plan_columns::DispersionOf},
    {kDispersionPixelsCaption, "dispersion_pixels", kMeasure, plan_columns::HasSkyAndPixels, true,
     plan_columns::DispersionPixelsOf},
    {kRiseCaption, "rise", kMeasure, plan_columns::HasSky, false, plan_columns::RiseOf},
    {kTransitCaption, "transit", kMeasure, plan_columns::HasSky, false, plan_columns::TransitOf},
    {kSetCaption, "set", kMeasure, plan_columns::HasSky, false, plan_columns::SetOf},
    {kBestTimeCaption, "best_time", kMeasure, plan_columns::HasSky, false,
     plan_columns::BestTimeOf},
    {kAboveFromCaption, "above_minimum_from", kMeasure, plan_columns::HasSky, false,
     plan_columns::AboveFromOf},
    {kAboveUntilCaption, "above_minimum_until", kMeasure, plan_columns::HasSky, false,
     plan_columns::AboveUntilOf},
    {kPhaseCaption, "illuminated_percent", kMeasure, plan_columns::HasPhase, false,
     plan_columns::PhaseOf},
    {kPhaseAngleCaption, "phase_angle", kMeasure, plan_columns::HasPhase, false,
     plan_columns::PhaseAngleOf},
    {kBrightLimbCaption, "bright_limb_angle", kMeasure, plan_columns::HasPhase, false,
     plan_columns::BrightLimbOf},
    {kPoleCaption, "north_pole_angle", kMeasure, plan_columns::HasPole, false,
     plan_columns::PoleOf},
    {kMeridianCaption, "central_meridian", kMeasure, plan_columns::HasMeridian, false,
     plan_columns::MeridianOf},
    {kSystemICaption, "system_i_meridian", kMeasure, plan_columns::HasSystems, false,
     plan_columns::SystemIOf},
    {kSystemIICaption, "system_ii_meridian", kMeasure, plan_columns::HasSystems, false,
     plan_columns::SystemIIOf},
    {kRedSpotCaption, "red_spot_transit", kMeasure, plan_columns::HasSystems, false,
     plan_columns::RedSpotOf},
    {"IO X", "io_x", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Io, true>},
    {"IO Y", "io_y", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Io, false>},
    {"EUROPA X", "europa_x", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Europa, true>},
    {"EUROPA Y", "europa_y", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Europa, false>},
    {"GANIMEDE X", "ganymede_x", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Ganymede, true>},
    {"GANIMEDE Y", "ganymede_y", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Ganymede, false>},
    {"CALLISTO X", "callisto_x", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Callisto, true>},
    {"CALLISTO Y", "callisto_y", kMeasure, plan_columns::HasMoons, false,
     plan_columns::MoonOffsetOf<GalileanMoon::Callisto, false>},
}};

// The column of a caption, or null: the panel shows its columns by caption.
constexpr const PlanColumn* ColumnByCaption(std::string_view caption) {
  for (const PlanColumn& column : kPlanColumns)
    if (column.caption == caption) return &column;
  return nullptr;
}

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
