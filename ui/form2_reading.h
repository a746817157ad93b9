// The planning panel's fields read into what the planning takes, or into why
// each field cannot be used: a function of what the fields hold alone, the
// same for every window system and testable without one.
#pragma once

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/plan_columns.h"
#include "calc/site.h"
#include "calc/strict_number.h"
#include "calc/targets.h"
#include "ui/form2_layout.h"

namespace celforo {

inline constexpr ElementId kApertureBox = Form2Index("Text4");
inline constexpr ElementId kPixelBox = Form2Index("Text5");
inline constexpr ElementId kSensorBox = Form2Index("Text6");
inline constexpr ElementId kWavelengthBox = Form2Index("Text7");
inline constexpr ElementId kFieldStopBox = Form2Index("Text10");
inline constexpr ElementId kTargetChoice = Form2Index("Combo1");
inline constexpr ElementId kDateField = Form2Index("DTPicker1");
inline constexpr ElementId kLatitudeBox = Form2Index("Text11");
inline constexpr ElementId kLongitudeBox = Form2Index("Text12");
inline constexpr ElementId kHeightBox = Form2Index("Text13");
inline constexpr ElementId kAimChoice = Form2Index("Combo2");
inline constexpr ElementId kValueBox = Form2Index("Text8");

// What a field of the panel takes. A number is read strictly
// (ReadStrictNumber) by its rule of calc/quantity_rules.h.
enum class FieldRule {
  PositiveNumber,          // "250"; "" is missing
  OptionalPositiveNumber,  // the field stop: "4.5", or "" for not known
  Sensor,                  // "1280x960"
  Target,                  // an item of OGGETTO
  DateTime,                // "2026-12-07 22:00", local time
  Latitude,                // "45.07", -90 to 90; with LONGITUDINE, or both ""
  Longitude,               // "7.69", -180 to 180; with LATITUDINE, or both ""
  Height,                  // "240" metres, -500 to 9000; "" is 0
  Aim                      // an item of RAGGIUNGI
};

struct Form2Field {
  ElementId field;
  FieldRule rule;
  std::string_view first;  // its text (or item) at the first start
  bool remembered;         // kept between runs; the date starts at now every time
};

// In reading order. The site starts empty: no site, and no sky.
inline constexpr std::array<Form2Field, 12> kForm2Fields{{
    {kApertureBox, FieldRule::PositiveNumber, "250", true},
    {kPixelBox, FieldRule::PositiveNumber, "3.75", true},
    {kSensorBox, FieldRule::Sensor, "1280x960", true},
    {kWavelengthBox, FieldRule::PositiveNumber, "550", true},
    {kFieldStopBox, FieldRule::OptionalPositiveNumber, "", true},
    {kTargetChoice, FieldRule::Target, "nessuno", true},
    {kDateField, FieldRule::DateTime, "", false},
    {kLatitudeBox, FieldRule::Latitude, "", true},
    {kLongitudeBox, FieldRule::Longitude, "", true},
    {kHeightBox, FieldRule::Height, "", true},
    {kAimChoice, FieldRule::Aim, "RAPPORTO FOCALE", true},
    {kValueBox, FieldRule::PositiveNumber, "20", true},
}};

// A field's place in kForm2Fields: FieldIndex(kSensorBox) is 2.
consteval std::size_t FieldIndex(ElementId field) {
  for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
    if (kForm2Fields[i].field == field) return i;
  std::abort();  // no constant expression: what is not a field does not compile
}

// What a field holds: a box's or the date-time field's text, or the item
// chosen in a choice, from 0 (-1 where none is chosen).
struct FieldEntry {
  std::string text;
  int item = -1;
};

using Form2Entries = std::array<FieldEntry, kForm2Fields.size()>;

// The panel's inputs. Each is meaningful where its field has no problem.
struct Form2Inputs {
  // DIAMETRO OBIETTIVO, PIXEL, SENSORE, LUNGHEZZA D'ONDA, DIAFRAMMA OCULARE
  // (none where it is not known) and the site of LATITUDINE, LONGITUDINE
  // and QUOTA (none where both are empty); no target.
  CameraAndTarget camera;
  std::optional<Target> target;  // OGGETTO; none for "nessuno"
  UniversalTime instant;         // DATA E ORA
  std::optional<PlanAim> aim;    // RAGGIUNGI; none where nothing is chosen
  double value = 0;              // VALORE
};

struct Form2Reading {
  Form2Inputs inputs;
  // Why each field of kForm2Fields cannot be used, in its order; empty where
  // it can.
  std::array<std::string_view, kForm2Fields.size()> problems{};
};

// Reads every field: " 250" in DIAMETRO OBIETTIVO is an aperture of 250,
// "3,75" in PIXEL is the problem "Il separatore decimale è il punto, non la
// virgola.", item 6 of OGGETTO is Jupiter (item 0 is "nessuno"), "91" in
// LATITUDINE is the problem "Solo da -90 a 90.", and "45" there with
// LONGITUDINE empty is LONGITUDINE's problem "Manca il valore.".
Form2Reading ReadForm2(const Form2Entries& entries);

// What the panel says of a number out of a field's range: "Solo da -500 a
// 9000." for QUOTA; empty for a rule without one.
std::string_view RangeProblemText(FieldRule rule);

// What the panel says of a number that cannot be used: "Manca il valore."
// for an empty text, "Deve essere maggiore di zero." for "0" where it must
// be positive.
std::string_view NumberProblemText(NumberFault fault);

// The items of a choice are the lines of its caption: "Sole" is item 1 of
// OGGETTO's, and ItemAt gives it back; nothing (or "") outside them.
constexpr std::optional<int> ItemIndex(std::string_view items, std::string_view item) {
  int index = 0;
  while (true) {
    const std::size_t end = items.find('\n');
    if (items.substr(0, end) == item) return index;
    if (end == std::string_view::npos) return std::nullopt;
    items.remove_prefix(end + 1);
    ++index;
  }
}

constexpr std::string_view ItemAt(std::string_view items, int index) {
  if (index < 0) return {};
  for (; index > 0; --index) {
    const std::size_t end = items.find('\n');
    if (end == std::string_view::npos) return {};
    items.remove_prefix(end + 1);
  }
  return items.substr(0, items.find('\n'));
}

}  // namespace celforo
