#include "ui/kit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>
#include <variant>

#include "calc/json_text.h"
#include "calc/numeric_text.h"
#include "calc/quantity_rules.h"

namespace celforo {
namespace {

constexpr std::string_view kNoneItem = "\xE2\x80\x94";  // "—", the lists' first item

bool Allows(const NumberRule& rule, double value, bool whole) {
  return std::isfinite(value) && (!rule.positive || value > 0) && value >= rule.least &&
         value <= rule.most && (!whole || std::floor(value) == value);
}

std::string RuleText(const NumberRule& rule, bool whole) {
  if (whole) return "a whole number from 1 to 1000000";
  return rule.positive ? "a number above 0" : "a number";
}

bool HasControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    // U+0080 to U+009F, C1 controls: C2 80 to C2 9F in UTF-8.
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return true;
  }
  return false;
}

// A stored entry's members, read one by one; the first problem is kept.
class EntryFields {
public:
  explicit EntryFields(const JsonValue& object) : object_(object) {}

  const JsonValue* Find(std::string_view key) const {
    for (const JsonMember& member : object_.members) {
      if (member.key == key) return &member.value;
    }
    return nullptr;
  }

  // Every key is one of `keys`.
  bool OnlyKeys(std::span<const std::string_view> keys, std::string& reason) const {
    for (const JsonMember& member : object_.members) {
      if (std::find(keys.begin(), keys.end(), member.key) == keys.end()) {
        reason = "unknown key " + JsonString(member.key.substr(0, 40));
        return false;
      }
    }
    return true;
  }

  bool Name(std::string& out, std::string& reason) const {
    const JsonValue* value = Find("name");
    if (value == nullptr) return Fail(reason, "\"name\" is missing");
    if (value->kind != JsonKind::String) return Fail(reason, "\"name\": expected a text");
    KitName name = ReadKitName(value->text);
    if (!name.problem.empty() || name.name != value->text)
      return Fail(reason,
                  "\"name\": " + (name.problem.empty() ? "blanks around it" : name.problem));
    out = std::move(name.name);
    return true;
  }

  bool Number(std::string_view key, const NumberRule& rule, bool whole, std::optional<double>& out,
              bool needed, std::string& reason) const {
    const JsonValue* value = Find(key);
    const std::string quoted = JsonString(key);
    if (value == nullptr) return needed ? Fail(reason, quoted + " is missing") : true;
    if (value->kind != JsonKind::Number) return Fail(reason, quoted + ": expected a number");
    const NumberReading reading = ReadStrictNumber(value->text, rule);
    if (reading.fault != NumberFault::None || !Allows(rule, reading.value, whole)) {
      return Fail(reason, quoted + ": expected " + RuleText(rule, whole) + ", got " +
                              value->text.substr(0, 32));
    }
    out = reading.value;
    return true;
  }

  bool Number(std::string_view key, const NumberRule& rule, bool whole, double& out,
              std::string& reason) const {
    std::optional<double> number;
    if (!Number(key, rule, whole, number, true, reason)) return false;
    out = *number;
    return true;
  }

  bool Flag(std::string_view key, bool& out, std::string& reason) const {
    const JsonValue* value = Find(key);
    const std::string quoted = JsonString(key);
    if (value == nullptr) return Fail(reason, quoted + " is missing");
    if (value->kind != JsonKind::Boolean) return Fail(reason, quoted + ": expected true or false");
    out = value->boolean;
    return true;
  }

private:
  static bool Fail(std::string& reason, std::string why) {
    reason = std::move(why);
    return false;
  }

  const JsonValue& object_;
};

// What each kind keeps, how it is read back and how its values are checked.
template <typename Entry>
struct KindOf;

template <>
struct KindOf<Telescope> {
  static constexpr std::string_view kSlotWord = "Telescope";
  static constexpr std::array<std::string_view, 3> kKeys{"name", "focal_length", "aperture"};

  static bool Read(const EntryFields& fields, Telescope& entry, std::string& reason) {
    return fields.Name(entry.name, reason) &&
           fields.Number("focal_length", kFocalLengthRule, false, entry.focalLength, reason) &&
           fields.Number("aperture", kApertureRule, false, entry.aperture, reason);
  }
  static std::optional<std::string> Check(const Telescope& entry) {
    if (!Allows(kFocalLengthRule, entry.focalLength, false))
      return "the focal length must be a number above 0";
    if (!Allows(kApertureRule, entry.aperture, false))
      return "the aperture must be a number above 0";
    return std::nullopt;
  }
};

template <>
struct KindOf<Eyepiece> {
  static constexpr std::string_view kSlotWord = "Eyepiece";
  static constexpr std::array<std::string_view, 3> kKeys{"name", "focal_length", "field_stop"};

  static bool Read(const EntryFields& fields, Eyepiece& entry, std::string& reason) {
    return fields.Name(entry.name, reason) &&
           fields.Number("focal_length", kFocalLengthRule, false, entry.focalLength, reason) &&
           fields.Number("field_stop", kFieldStopRule, false, entry.fieldStop, false, reason);
  }
  static std::optional<std::string> Check(const Eyepiece& entry) {
    if (!Allows(kFocalLengthRule, entry.focalLength, false))
      return "the focal length must be a number above 0";
    if (entry.fieldStop && !Allows(kFieldStopRule, *entry.fieldStop, false))
      return "the field stop must be a number above 0";
    return std::nullopt;
  }
};

template <>
struct KindOf<Camera> {
  static constexpr std::string_view kSlotWord = "Camera";
  static constexpr std::array<std::string_view, 5> kKeys{"name", "pixel_size", "width", "height",
                                                         "colour"};

  static bool Read(const EntryFields& fields, Camera& entry, std::string& reason) {
    bool colour = true;
    const bool read =
        fields.Name(entry.name, reason) &&
        fields.Number("pixel_size", kPixelSizeRule, false, entry.pixelSize, reason) &&
        fields.Number("width", kSensorPixelsRule, true, entry.sensor.width, reason) &&
        fields.Number("height", kSensorPixelsRule, true, entry.sensor.height, reason) &&
        fields.Flag("colour", colour, reason);
    entry.colour = colour ? SensorColour::Colour : SensorColour::Mono;
    return read;
  }
  static std::optional<std::string> Check(const Camera& entry) {
    if (!Allows(kPixelSizeRule, entry.pixelSize, false))
      return "the pixel size must be a number above 0";
    if (!Allows(kSensorPixelsRule, entry.sensor.width, true) ||
        !Allows(kSensorPixelsRule, entry.sensor.height, true))
      return "the sensor must be whole pixels, from 1 to 1000000 each way";
    return std::nullopt;
  }
};

std::string Member(std::string_view key, std::string_view value) {
  return "," + JsonString(key) + ":" + std::string(value);
}

}  // namespace

KitName ReadKitName(std::string_view typed) {
  const std::string_view name = TrimBlanks(typed);
  KitName result;
  if (name.empty()) {
    result.problem = "a name is needed";
  } else if (!IsUtf8(name)) {
    result.problem = "a name in UTF-8 is needed";
  } else if (const std::size_t characters = Utf8Characters(name);
             characters > kMostKitNameCharacters) {
    result.problem = "a name of at most " + std::to_string(kMostKitNameCharacters) +
                     " characters is needed, got " + std::to_string(characters);
  } else if (HasControlCharacter(name)) {
    result.problem = "a name without control characters is needed";
  } else if (name == kNoneItem) {
    result.problem = "\"\xE2\x80\x94\" stands for none in the lists";
  } else {
    result.name = std::string(name);
  }
  return result;
}

std::string Kit::EntryText(const Telescope& entry) {
  return "{\"name\":" + JsonString(entry.name) +
         Member("focal_length", ShortestText(entry.focalLength)) +
         Member("aperture", ShortestText(entry.aperture)) + "}";
}

std::string Kit::EntryText(const Eyepiece& entry) {
  std::string text = "{\"name\":" + JsonString(entry.name) +
                     Member("focal_length", ShortestText(entry.focalLength));
  if (entry.fieldStop) text += Member("field_stop", ShortestText(*entry.fieldStop));
  return text + "}";
}

std::string Kit::EntryText(const Camera& entry) {
  return "{\"name\":" + JsonString(entry.name) +
         Member("pixel_size", ShortestText(entry.pixelSize)) +
         Member("width", ShortestText(entry.sensor.width)) +
         Member("height", ShortestText(entry.sensor.height)) +
         Member("colour", entry.colour == SensorColour::Colour ? "true" : "false") + "}";
}

template <typename Entry>
std::optional<Entry> Kit::ReadEntry(std::string_view text, std::string& reason) {
  const std::variant<JsonValue, JsonSyntaxError> parsed = ParseJson(text);
  if (const auto* error = std::get_if<JsonSyntaxError>(&parsed)) {
    const TextPosition at = PositionAt(text, error->offset);
    reason = "not JSON: expected " + error->expected + " at character " + std::to_string(at.column);
    if (at.line > 1) reason += " of line " + std::to_string(at.line);
    return std::nullopt;
  }
  const JsonValue& object = std::get<JsonValue>(parsed);
  if (object.kind != JsonKind::Object) {
    reason = "expected an object, got " + std::string(JsonKindName(object.kind));
    return std::nullopt;
  }
  const EntryFields fields(object);
  Entry entry;
  if (!fields.OnlyKeys(KindOf<Entry>::kKeys, reason) || !KindOf<Entry>::Read(fields, entry, reason))
    return std::nullopt;
  return entry;
}

template std::optional<Telescope> Kit::ReadEntry(std::string_view, std::string&);
template std::optional<Eyepiece> Kit::ReadEntry(std::string_view, std::string&);
template std::optional<Camera> Kit::ReadEntry(std::string_view, std::string&);

Kit::Kit(SettingsStore& store, std::string prefix) : store_(store), prefix_(std::move(prefix)) {}

template <typename Entry>
std::string Kit::SlotKey(std::size_t slot) const {
  return prefix_ + std::string(KindOf<Entry>::kSlotWord) + std::to_string(slot);
}

template <typename Entry>
void Kit::LoadList(List<Entry>& list) {
  list = {};
  for (std::size_t slot = 1; slot <= kMostKitEntries; ++slot) {
    const std::string key = SlotKey<Entry>(slot);
    const std::optional<std::string> stored = store_.Read(key);
    if (!stored) continue;
    std::string reason;
    std::optional<Entry> entry = ReadEntry<Entry>(*stored, reason);
    if (entry) {
      const auto same = std::find_if(list.entries.begin(), list.entries.end(),
                                     [&](const Entry& e) { return e.name == entry->name; });
      if (same != list.entries.end()) {
        const auto first = list.slotOf[static_cast<std::size_t>(same - list.entries.begin())];
        reason =
            "the name " + JsonString(entry->name) + " again, kept from " + SlotKey<Entry>(first);
        entry.reset();
      }
    }
    if (entry) {
      list.entries.push_back(std::move(*entry));
      list.slotOf.push_back(slot);
    } else {
      list.skipped.push_back(slot);
      skipped_.push_back({key, std::move(reason)});
    }
  }
}

void Kit::Load() {
  skipped_.clear();
  LoadList(telescopes_);
  LoadList(eyepieces_);
  LoadList(cameras_);
}

template <typename Entry>
std::optional<std::string> Kit::SaveIn(List<Entry>& list, Entry entry) {
  KitName name = ReadKitName(entry.name);
  if (!name.problem.empty()) return name.problem;
  entry.name = std::move(name.name);
  if (std::optional<std::string> problem = KindOf<Entry>::Check(entry)) return problem;

  const auto same = std::find_if(list.entries.begin(), list.entries.end(),
                                 [&](const Entry& e) { return e.name == entry.name; });
  if (same != list.entries.end()) {
    const auto index = static_cast<std::size_t>(same - list.entries.begin());
    store_.Write(SlotKey<Entry>(list.slotOf[index]), EntryText(entry));
    *same = std::move(entry);
    return std::nullopt;
  }
  if (list.entries.size() >= kMostKitEntries) {
    return "already " + std::to_string(kMostKitEntries) + " entries of this kind: remove one first";
  }
  // The first slot holding nothing, else the first holding a skipped entry.
  std::size_t slot = 1;
  const auto taken = [&](std::size_t s) {
    return std::find(list.slotOf.begin(), list.slotOf.end(), s) != list.slotOf.end() ||
           std::find(list.skipped.begin(), list.skipped.end(), s) != list.skipped.end();
  };
  while (slot <= kMostKitEntries && taken(slot)) ++slot;
  if (slot > kMostKitEntries) {
    slot = list.skipped.front();
    list.skipped.erase(list.skipped.begin());
    const std::string key = SlotKey<Entry>(slot);
    std::erase_if(skipped_, [&](const SkippedKitEntry& s) { return s.key == key; });
  }
  store_.Write(SlotKey<Entry>(slot), EntryText(entry));
  // Added last, then moved before the entries of later slots: the list keeps
  // the slots' order, as it reads back.
  list.slotOf.push_back(slot);
  list.entries.push_back(std::move(entry));
  for (std::size_t i = list.slotOf.size() - 1; i > 0 && list.slotOf[i - 1] > slot; --i) {
    std::swap(list.slotOf[i], list.slotOf[i - 1]);
    std::swap(list.entries[i], list.entries[i - 1]);
  }
  return std::nullopt;
}

std::optional<std::string> Kit::Save(const Telescope& entry) {
  return SaveIn(telescopes_, entry);
}
std::optional<std::string> Kit::Save(const Eyepiece& entry) {
  return SaveIn(eyepieces_, entry);
}
std::optional<std::string> Kit::Save(const Camera& entry) {
  return SaveIn(cameras_, entry);
}

template <typename Entry>
bool Kit::RemoveFrom(List<Entry>& list, std::string_view name) {
  const auto found = std::find_if(list.entries.begin(), list.entries.end(),
                                  [&](const Entry& e) { return e.name == name; });
  if (found == list.entries.end()) return false;
  const auto index = found - list.entries.begin();
  store_.Remove(SlotKey<Entry>(list.slotOf[static_cast<std::size_t>(index)]));
  list.entries.erase(found);
  list.slotOf.erase(list.slotOf.begin() + index);
  return true;
}

bool Kit::Remove(KitKind kind, std::string_view name) {
  switch (kind) {
    case KitKind::Telescope: return RemoveFrom(telescopes_, name);
    case KitKind::Eyepiece: return RemoveFrom(eyepieces_, name);
    case KitKind::Camera: return RemoveFrom(cameras_, name);
  }
  return false;
}

}  // namespace celforo
