// The planning panel's STRUMENTI: the kit's lists shown, an entry chosen
// into the fields, saved from them under NOME, and removed.
#include <cmath>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "calc/json_text.h"
#include "calc/numeric_text.h"
#include "calc/sensors.h"
#include "ui/form2.h"

namespace celforo {
namespace {

constexpr std::string_view kNoneItem = "\xE2\x80\x94";  // "—"
constexpr std::string_view kNoName = "Scrivi prima un NOME.";
constexpr std::string_view kNoneChosen = "Scegli prima la voce da eliminare.";
constexpr std::string_view kSensorRow = "Un sensore dell'elenco non si pu\xC3\xB2 eliminare.";

const KitSection& SectionOf(ElementId element) {
  for (const KitSection& section : kKitSections)
    if (element == section.choice || element == section.save || element == section.remove)
      return section;
  return kKitSections[0];
}

std::string SensorText(const SensorPixels& sensor) {
  return ShortestText(sensor.width) + "x" + ShortestText(sensor.height);
}

// What the panel says of a NOME the kit refuses (kit.h's ReadKitName).
std::string NameProblemText(std::string_view typed) {
  const std::string_view name = TrimBlanks(typed);
  if (name.empty()) return std::string(kNoName);
  if (const std::size_t characters = Utf8Characters(name); characters > kMostKitNameCharacters)
    return "Al massimo " + std::to_string(kMostKitNameCharacters) + " caratteri, non " +
           std::to_string(characters) + ".";
  if (name == kNoneItem) return "\"\xE2\x80\x94\" vuol dire nessuno: scegli un altro NOME.";
  return "Un NOME senza caratteri di controllo.";
}

std::string FixFirst(ElementId field) {
  return "Correggi prima " + std::string(kForm2Elements[field].meaning) + ".";
}

std::string NotPositive(std::string_view what) {
  return std::string(what) + " deve essere maggiore di zero.";
}

bool Positive(double value) {
  return std::isfinite(value) && value > 0;
}

template <typename Entry>
std::vector<std::string> NamesOf(const std::vector<Entry>& entries) {
  std::vector<std::string> names{std::string(kNoneItem)};
  for (const Entry& entry : entries) names.push_back(entry.name);
  return names;
}

template <typename Entry>
bool Full(const std::vector<Entry>& entries, const std::string& name) {
  if (entries.size() < kMostKitEntries) return false;
  for (const Entry& entry : entries)
    if (entry.name == name) return false;  // saved in its place
  return true;
}

// The entry of `name` in `entries`: its item in the list, from 1; 0 for none.
template <typename Entry>
int ItemOf(const std::vector<Entry>& entries, const std::string& name) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].name == name) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

void Form2::ShowKitItems(const KitSection& section, int chosen) {
  std::vector<std::string> items;
  switch (section.kind) {
    case KitKind::Telescope: items = NamesOf(kit_.Telescopes()); break;
    case KitKind::Eyepiece: items = NamesOf(kit_.Eyepieces()); break;
    case KitKind::Camera:
      items = NamesOf(kit_.Cameras());
      for (const Sensor& sensor : Sensors()) items.emplace_back(sensor.name);
      break;
  }
  window_.SetItems(section.choice, items);
  if (chosen != 0) window_.SetChoice(section.choice, chosen);
}

void Form2::ShowSkipped() {
  std::string line;
  for (const SkippedKitEntry& skipped : kit_.Skipped())
    line += (line.empty() ? "Voci illeggibili saltate: " : ", ") + skipped.key;
  window_.SetCaption(kSkippedLine, line.empty() ? line : line + ".");
}

void Form2::ShowKitRefusal(std::string_view why, bool nameAtFault) {
  window_.SetCaption(kNameProblem, why);
  window_.SetInvalid(kNameBox, nameAtFault);
}

void Form2::onNameChanged(ElementId) {
  ShowKitRefusal({}, false);
}

void Form2::onKitChosen(ElementId choice) {
  const KitSection& section = SectionOf(choice);
  const int item = window_.Choice(choice);
  if (item < 1) return;
  const auto index = static_cast<std::size_t>(item - 1);
  switch (section.kind) {
    case KitKind::Telescope: {
      if (index >= kit_.Telescopes().size()) return;
      const Telescope& telescope = kit_.Telescopes()[index];
      Fill(kApertureBox, {ShortestText(telescope.aperture)});
      form1_.SetBoxesAndCalculate({{SignedNumberText(telescope.focalLength), {}, {}}});
      break;
    }
    case KitKind::Eyepiece: {
      if (index >= kit_.Eyepieces().size()) return;
      const Eyepiece& eyepiece = kit_.Eyepieces()[index];
      Fill(kFieldStopBox, {eyepiece.fieldStop ? ShortestText(*eyepiece.fieldStop) : ""});
      form1_.SetBoxesAndCalculate({{{}, SignedNumberText(eyepiece.focalLength), {}}});
      break;
    }
    case KitKind::Camera: {
      const std::vector<Camera>& cameras = kit_.Cameras();
      double pixelSize = 0;
      SensorPixels sensor;
      if (index < cameras.size()) {
        pixelSize = cameras[index].pixelSize;
        sensor = cameras[index].sensor;
      } else if (index - cameras.size() < Sensors().size()) {
        const Sensor& row = Sensors()[index - cameras.size()];
        pixelSize = row.pixelSize;
        sensor = {static_cast<double>(row.width), static_cast<double>(row.height)};
      } else {
        return;
      }
      Fill(kPixelBox, {ShortestText(pixelSize)});
      Fill(kSensorBox, {SensorText(sensor)});
      break;
    }
  }
  // Form1 has told the panel of its results, if it has any; the panel's own
  // fields may have changed either way.
  Recompute();
}

std::optional<std::string> Form2::SaveEntry(const KitSection& section, const std::string& name) {
  const Form2Reading reading = Read();
  const auto problem = [&](ElementId field) {
    for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
      if (kForm2Fields[i].field == field) return !reading.problems[i].empty();
    return false;
  };
  const ProjectionInputs lengths = form1_.Inputs();
  switch (section.kind) {
    case KitKind::Telescope: {
      if (!Positive(lengths.objectiveFocalLength)) return NotPositive("FOC. OBBIETTIVO");
      if (problem(kApertureBox)) return FixFirst(kApertureBox);
      if (Full(kit_.Telescopes(), name)) break;
      if (auto refused = kit_.Save(
              Telescope{name, lengths.objectiveFocalLength, *reading.inputs.camera.aperture}))
        return refused;
      ShowKitItems(section, ItemOf(kit_.Telescopes(), name));
      return std::nullopt;
    }
    case KitKind::Eyepiece: {
      if (!Positive(lengths.eyepieceFocalLength)) return NotPositive("FOC. OCULARE");
      if (problem(kFieldStopBox)) return FixFirst(kFieldStopBox);
      if (Full(kit_.Eyepieces(), name)) break;
      if (auto refused = kit_.Save(
              Eyepiece{name, lengths.eyepieceFocalLength, reading.inputs.camera.fieldStop}))
        return refused;
      ShowKitItems(section, ItemOf(kit_.Eyepieces(), name));
      return std::nullopt;
    }
    case KitKind::Camera: {
      if (problem(kPixelBox)) return FixFirst(kPixelBox);
      if (problem(kSensorBox)) return FixFirst(kSensorBox);
      if (Full(kit_.Cameras(), name)) break;
      Camera camera{name, *reading.inputs.camera.pixelSize, *reading.inputs.camera.sensor,
                    SensorColour::Colour};
      // The camera chosen, with the same values, tells whether it is mono.
      const int item = window_.Choice(section.choice);
      const std::vector<Camera>& cameras = kit_.Cameras();
      if (item >= 1) {
        const auto index = static_cast<std::size_t>(item - 1);
        if (index < cameras.size()) {
          const Camera& chosen = cameras[index];
          if (chosen.pixelSize == camera.pixelSize && chosen.sensor == camera.sensor)
            camera.colour = chosen.colour;
        } else if (index - cameras.size() < Sensors().size()) {
          const Sensor& row = Sensors()[index - cameras.size()];
          if (row.pixelSize == camera.pixelSize && row.width == camera.sensor.width &&
              row.height == camera.sensor.height)
            camera.colour = row.colour;
        }
      }
      if (auto refused = kit_.Save(camera)) return refused;
      ShowKitItems(section, ItemOf(kit_.Cameras(), name));
      return std::nullopt;
    }
  }
  return "Gi\xC3\xA0 " + std::to_string(kMostKitEntries) + " voci di questo tipo: eliminane una.";
}

void Form2::onKitSaveClicked(ElementId button) {
  const KitName name = ReadKitName(window_.Text(kNameBox));
  if (!name.problem.empty()) return ShowKitRefusal(NameProblemText(window_.Text(kNameBox)), true);
  if (const std::optional<std::string> refused = SaveEntry(SectionOf(button), name.name))
    return ShowKitRefusal(*refused, false);
  ShowKitRefusal({}, false);
  ShowSkipped();  // a skipped entry's slot may have taken it
}

void Form2::onKitRemoveClicked(ElementId button) {
  const KitSection& section = SectionOf(button);
  const int item = window_.Choice(section.choice);
  if (item < 1) return ShowKitRefusal(kNoneChosen, false);
  const auto index = static_cast<std::size_t>(item - 1);
  std::string name;
  switch (section.kind) {
    case KitKind::Telescope:
      if (index < kit_.Telescopes().size()) name = kit_.Telescopes()[index].name;
      break;
    case KitKind::Eyepiece:
      if (index < kit_.Eyepieces().size()) name = kit_.Eyepieces()[index].name;
      break;
    case KitKind::Camera:
      if (index >= kit_.Cameras().size()) return ShowKitRefusal(kSensorRow, false);
      name = kit_.Cameras()[index].name;
      break;
  }
  if (name.empty()) return ShowKitRefusal(kNoneChosen, false);
  kit_.Remove(section.kind, name);
  ShowKitItems(section);
  ShowKitRefusal({}, false);
}

}  // namespace celforo
