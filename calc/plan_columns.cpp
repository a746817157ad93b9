#include "calc/plan_columns.h"

#include <cmath>
#include <string_view>

#include "calc/atmosphere.h"
#include "calc/planning.h"

namespace celforo {
namespace {

constexpr double kMostPixels = 1'000'000;

// A whole number of pixels, digits alone, or nothing.
std::optional<double> ParsePixelCount(std::string_view text) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  double count = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
  }
  if (count < 1 || count > kMostPixels) return std::nullopt;
  return count;
}

double Diameter(const CameraAndTarget& c) {
  return c.target->size.diameter;
}

const SkyPlan& Sky(const CameraAndTarget& c) {
  return *c.target->sky;
}

// An event as an instant, or the words of why it does not happen.
PlanValue EventValue(const SkyEvent& event, std::string_view notThisDay) {
  switch (event.state) {
    case EventState::Happens: return event.time;
    case EventState::AlwaysAbove: return PlanWord{kAlwaysAbove};
    case EventState::AlwaysBelow: return PlanWord{kAlwaysBelow};
    case EventState::NotThisDay: break;
  }
  return PlanWord{notThisDay};
}

PlanValue AboveMinimum(const CameraAndTarget& c, UniversalTime TimeSpan::*end) {
  const std::optional<TimeSpan>& span = Sky(c).night.bestSpan;
  if (!span) return PlanWord{kNeverAboveMinimum};
  return (*span).*end;
}

std::optional<double> DispersionArcseconds(const CameraAndTarget& c) {
  const SkyPosition& now = Sky(c).now;
  return Dispersion(now.altitude, c.observing.band, now.pressure);
}

}  // namespace

namespace plan_columns {

bool HasAperture(const CameraAndTarget& c) {
  return c.aperture.has_value();
}
bool HasPixels(const CameraAndTarget& c) {
  return c.pixelSize.has_value();
}
bool HasSensor(const CameraAndTarget& c) {
  return c.pixelSize && c.sensor;
}
bool HasFieldStop(const CameraAndTarget& c) {
  return c.pixelSize && c.fieldStop;
}
bool HasTarget(const CameraAndTarget& c) {
  return c.target.has_value();
}
bool HasTargetAndPixels(const CameraAndTarget& c) {
  return c.target && c.pixelSize;
}
bool HasRings(const CameraAndTarget& c) {
  return c.target && RecordOf(c.target->target).ringsRadius > 0;
}
bool HasApertureAndPixels(const CameraAndTarget& c) {
  return c.aperture && c.pixelSize;
}
bool HasTurningTarget(const CameraAndTarget& c) {
  return c.target && c.pixelSize && RecordOf(c.target->target).rotationHours > 0;
}
bool HasSky(const CameraAndTarget& c) {
  return c.target && c.target->sky;
}
bool HasSkyAndPixels(const CameraAndTarget& c) {
  return HasSky(c) && c.pixelSize;
}
bool HasPhase(const CameraAndTarget& c) {
  return c.target && c.target->disc.brightLimbAngle;
}
bool HasPole(const CameraAndTarget& c) {
  return c.target && c.target->disc.northPoleAngle;
}
bool HasMeridian(const CameraAndTarget& c) {
  return c.target && c.target->disc.centralMeridian;
}
bool HasSystems(const CameraAndTarget& c) {
  return c.target && c.target->disc.systemII && c.target->redSpotTransit;
}
bool HasMoons(const CameraAndTarget& c) {
  return c.target && c.target->moons;
}

Computed<PlanValue> FocalRatioOf(const CameraAndTarget& c, const ProjectionResults& r) {
  return FocalRatio(r.equivalentFocalLength, *c.aperture);
}
Computed<PlanValue> ImageScaleOf(const CameraAndTarget& c, const ProjectionResults& r) {
  return ImageScale(r.equivalentFocalLength, *c.pixelSize);
}
Computed<PlanValue> FieldWidthOf(const CameraAndTarget& c, const ProjectionResults& r) {
  return FieldOfView(r.equivalentFocalLength, *c.pixelSize, c.sensor->width);
}
Computed<PlanValue> FieldHeightOf(const CameraAndTarget& c, const ProjectionResults& r) {
  return FieldOfView(r.equivalentFocalLength, *c.pixelSize, c.sensor->height);
}
// A diameter: an inverted image (a negative magnification) is as large.
Computed<PlanValue> FieldStopOf(const CameraAndTarget& c, const ProjectionResults& r) {
  const Computed<double> pixels = FieldStopPixels(*c.fieldStop, r.magnification, *c.pixelSize);
  if (!pixels) return *pixels.error();
  return std::fabs(*pixels);
}
Computed<PlanValue> DiameterOf(const CameraAndTarget& c, const ProjectionResults&) {
  return Diameter(c);
}
Computed<PlanValue> DiscPixelsOf(const CameraAndTarget& c, const ProjectionResults& r) {
  return DiscPixels(r.equivalentFocalLength, *c.pixelSize, Diameter(c));
}
Computed<PlanValue> RingsOf(const CameraAndTarget& c, const ProjectionResults&) {
  return c.target->size.ringsDiameter;
}
Computed<PlanValue> SamplingOf(const CameraAndTarget& c, const ProjectionResults& r) {
  const Computed<double> focalRatio = FocalRatio(r.equivalentFocalLength, *c.aperture);
  if (!focalRatio) return *focalRatio.error();
  return Sampling(*focalRatio, c.wavelength, *c.pixelSize);
}
Computed<PlanValue> CaptureOf(const CameraAndTarget& c, const ProjectionResults& r) {
  const Computed<double> imageScale = ImageScale(r.equivalentFocalLength, *c.pixelSize);
  if (!imageScale) return *imageScale.error();
  return LongestCapture(*imageScale, RecordOf(c.target->target).rotationHours, Diameter(c));
}
Computed<PlanValue> AltitudeOf(const CameraAndTarget& c, const ProjectionResults&) {
  return Sky(c).now.altitude;
}
Computed<PlanValue> AzimuthOf(const CameraAndTarget& c, const ProjectionResults&) {
  return Sky(c).now.azimuth;
}
Computed<PlanValue> AirMassOf(const CameraAndTarget& c, const ProjectionResults&) {
  const std::optional<double> airMass = AirMass(Sky(c).now.altitude);
  if (!airMass) return NoValue{kBelowHorizon};
  return *airMass;
}
Computed<PlanValue> DispersionOf(const CameraAndTarget& c, const ProjectionResults&) {
  const std::optional<double> dispersion = DispersionArcseconds(c);
  if (!dispersion) return NoValue{kBelowHorizon};
  return *dispersion;
}
Computed<PlanValue> DispersionPixelsOf(const CameraAndTarget& c, const ProjectionResults& r) {
  const std::optional<double> dispersion = DispersionArcseconds(c);
  if (!dispersion) return NoValue{kBelowHorizon};
  const Computed<double> imageScale = ImageScale(r.equivalentFocalLength, *c.pixelSize);
  if (!imageScale) return *imageScale.error();
  return *dispersion / std::fabs(*imageScale);
}
Computed<PlanValue> RiseOf(const CameraAndTarget& c, const ProjectionResults&) {
  return EventValue(Sky(c).events.rise, kNoRise);
}
Computed<PlanValue> TransitOf(const CameraAndTarget& c, const ProjectionResults&) {
  return EventValue(Sky(c).events.transit, kNoTransit);
}
Computed<PlanValue> SetOf(const CameraAndTarget& c, const ProjectionResults&) {
  return EventValue(Sky(c).events.set, kNoSet);
}
Computed<PlanValue> BestTimeOf(const CameraAndTarget& c, const ProjectionResults&) {
  const BestTime& best = Sky(c).night.best;
  switch (best.state) {
    case BestTimeState::Found: return best.time;
    case BestTimeState::BelowHorizon: return PlanWord{kAlwaysBelow};
    case BestTimeState::NeverDark: break;
  }
  return PlanWord{kNeverDark};
}
Computed<PlanValue> AboveFromOf(const CameraAndTarget& c, const ProjectionResults&) {
  return AboveMinimum(c, &TimeSpan::start);
}
Computed<PlanValue> AboveUntilOf(const CameraAndTarget& c, const ProjectionResults&) {
  return AboveMinimum(c, &TimeSpan::end);
}
Computed<PlanValue> PhaseOf(const CameraAndTarget& c, const ProjectionResults&) {
  return 100.0 * c.target->disc.illuminatedFraction;
}
Computed<PlanValue> PhaseAngleOf(const CameraAndTarget& c, const ProjectionResults&) {
  return c.target->disc.phaseAngle;
}
Computed<PlanValue> BrightLimbOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->disc.brightLimbAngle;
}
Computed<PlanValue> PoleOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->disc.northPoleAngle;
}
Computed<PlanValue> MeridianOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->disc.centralMeridian;
}
Computed<PlanValue> SystemIOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->disc.systemI;
}
Computed<PlanValue> SystemIIOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->disc.systemII;
}
Computed<PlanValue> RedSpotOf(const CameraAndTarget& c, const ProjectionResults&) {
  return *c.target->redSpotTransit;
}

Computed<double> ForFocalRatio(double objective, double eyepiece, const CameraAndTarget& c,
                               double value) {
  return ExtractionForFocalRatio(objective, eyepiece, *c.aperture, value);
}
Computed<double> ForImageScale(double objective, double eyepiece, const CameraAndTarget& c,
                               double value) {
  return ExtractionForImageScale(objective, eyepiece, *c.pixelSize, value);
}
Computed<double> ForSampling(double objective, double eyepiece, const CameraAndTarget& c,
                             double value) {
  return ExtractionForSampling(objective, eyepiece, *c.aperture, *c.pixelSize, c.wavelength, value);
}
Computed<double> ForDiscPixels(double objective, double eyepiece, const CameraAndTarget& c,
                               double value) {
  return ExtractionForDiscPixels(objective, eyepiece, *c.pixelSize, Diameter(c), value);
}

}  // namespace plan_columns

std::optional<SensorPixels> ParseSensorPixels(std::string_view text) {
  constexpr std::string_view kTimes = "\xC3\x97";  // U+00D7 MULTIPLICATION SIGN in UTF-8
  std::size_t separator = text.find('x');
  std::size_t separatorLength = 1;
  if (separator == std::string_view::npos) {
    separator = text.find(kTimes);
    separatorLength = kTimes.size();
  }
  if (separator == std::string_view::npos) return std::nullopt;
  const std::optional<double> width = ParsePixelCount(text.substr(0, separator));
  const std::optional<double> height = ParsePixelCount(text.substr(separator + separatorLength));
  if (!width || !height) return std::nullopt;
  return SensorPixels{*width, *height};
}

}  // namespace celforo
