#include "ui/setup_fields.h"

#include <cstddef>
#include <utility>

#include "calc/numeric_text.h"

namespace celforo {
namespace {

constexpr std::size_t kAperture = FieldIndex(kApertureBox);
constexpr std::size_t kPixel = FieldIndex(kPixelBox);
constexpr std::size_t kSensor = FieldIndex(kSensorBox);
constexpr std::size_t kWavelength = FieldIndex(kWavelengthBox);
constexpr std::size_t kFieldStop = FieldIndex(kFieldStopBox);
constexpr std::size_t kTarget = FieldIndex(kTargetChoice);
constexpr std::size_t kLatitude = FieldIndex(kLatitudeBox);
constexpr std::size_t kLongitude = FieldIndex(kLongitudeBox);
constexpr std::size_t kHeight = FieldIndex(kHeightBox);
constexpr std::size_t kAim = FieldIndex(kAimChoice);
constexpr std::size_t kValue = FieldIndex(kValueBox);

FieldEntry TextEntry(std::string text) {
  return FieldEntry{std::move(text), -1};
}

FieldEntry NumberEntry(double value) {
  return TextEntry(ShortestText(value));
}

FieldEntry ItemEntry(int item) {
  return FieldEntry{{}, item};
}

// OGGETTO's item of a target: "nessuno" is item 0, then kTargets' order.
int TargetItem(Target target) {
  for (std::size_t i = 0; i < kTargets.size(); ++i)
    if (kTargets[i].target == target) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

Setup SetupOfFields(const ProjectionInputs& lengths, const Form2Reading& reading) {
  const Form2Inputs& inputs = reading.inputs;
  const auto usable = [&](std::size_t field) { return reading.problems[field].empty(); };
  Setup setup;
  setup.objective = lengths.objectiveFocalLength;
  setup.eyepiece = lengths.eyepieceFocalLength;
  setup.extraction = lengths.eyepieceExtraction;
  if (usable(kAperture)) setup.aperture = inputs.camera.aperture;
  if (usable(kPixel)) setup.pixelSize = inputs.camera.pixelSize;
  if (usable(kSensor)) setup.sensor = inputs.camera.sensor;
  if (usable(kWavelength)) setup.wavelength = inputs.camera.wavelength;
  if (usable(kFieldStop)) setup.fieldStop = inputs.camera.fieldStop;
  setup.target = inputs.target;
  if (const std::optional<Site>& site = inputs.camera.observing.site)
    setup.site = SetupSite{site->latitude, site->longitude, site->height};
  if (inputs.aim && usable(kValue)) setup.solve = SetupSolve{*inputs.aim, inputs.value};
  return setup;
}

SetupEntries EntriesOfSetup(const Setup& setup) {
  SetupEntries entries;
  const std::array<const std::optional<double>*, 3> lengths{&setup.objective, &setup.eyepiece,
                                                            &setup.extraction};
  for (std::size_t i = 0; i < lengths.size(); ++i)
    if (*lengths[i]) entries.form1[i] = SignedNumberText(**lengths[i]);

  auto& fields = entries.fields;
  if (setup.aperture) fields[kAperture] = NumberEntry(*setup.aperture);
  if (setup.pixelSize) fields[kPixel] = NumberEntry(*setup.pixelSize);
  if (setup.sensor)
    fields[kSensor] =
        TextEntry(ShortestText(setup.sensor->width) + "x" + ShortestText(setup.sensor->height));
  if (setup.wavelength) fields[kWavelength] = NumberEntry(*setup.wavelength);
  fields[kFieldStop] = setup.fieldStop ? NumberEntry(*setup.fieldStop) : TextEntry("");
  fields[kTarget] = ItemEntry(setup.target ? TargetItem(*setup.target) : 0);
  if (setup.site) {
    fields[kLatitude] = NumberEntry(setup.site->latitude);
    fields[kLongitude] = NumberEntry(setup.site->longitude);
    fields[kHeight] = NumberEntry(setup.site->height);
  } else {
    fields[kLatitude] = fields[kLongitude] = fields[kHeight] = TextEntry("");
  }
  if (setup.solve) {
    fields[kAim] = ItemEntry(static_cast<int>(setup.solve->aim));
    fields[kValue] = NumberEntry(setup.solve->value);
  }
  return entries;
}

}  // namespace celforo
