#include "calc/setup_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

#include "calc/numeric_text.h"
#include "calc/quantity_rules.h"

namespace celforo {
namespace {

// The lengths of Form1 keep ReadNumber's leniency: any finite number.
constexpr NumberRule kLengthRule = kAnyNumber;

bool Allows(const NumberRule& rule, double value, bool whole = false) {
  return std::isfinite(value) && (!rule.positive || value > 0) && value >= rule.least &&
         value <= rule.most && (!whole || std::floor(value) == value);
}

// A member of an object of numbers ("sensor", "site", "band").
template <typename Value>
struct NumberMember {
  std::string_view key;
  double Value::*member;
  NumberRule rule;
  bool needed;
  bool whole;  // a whole number
};

constexpr std::array<NumberMember<SensorPixels>, 2> kSensorMembers{{
    {"width", &SensorPixels::width, kSensorPixelsRule, true, true},
    {"height", &SensorPixels::height, kSensorPixelsRule, true, true},
}};

constexpr std::array<NumberMember<SetupSite>, 3> kSiteMembers{{
    {"latitude", &SetupSite::latitude, kLatitudeRule, true, false},
    {"longitude", &SetupSite::longitude, kLongitudeRule, true, false},
    {"height", &SetupSite::height, kHeightRule, false, false},
}};

constexpr std::array<NumberMember<SetupBand>, 2> kBandMembers{{
    {"from", &SetupBand::from, kBandRule, true, false},
    {"to", &SetupBand::to, kBandRule, true, false},
}};

struct AimName {
  PlanAim aim;
  std::string_view name;
};
constexpr std::array<AimName, 4> kAimNames{{
    {PlanAim::FocalRatio, "focal_ratio"},
    {PlanAim::ImageScale, "image_scale"},
    {PlanAim::Sampling, "sampling"},
    {PlanAim::DiscPixels, "target_pixels"},
}};

// What each key of a set-up holds.
enum class FieldKind { Number, Sensor, Target, Solve, Site, Band };

struct Field {
  std::string_view key;
  FieldKind kind;
  std::optional<double> Setup::*number;  // for FieldKind::Number
  NumberRule rule;                       // for FieldKind::Number
};

// In the order they are written, after "version", which is read apart.
constexpr std::array<Field, 14> kFields{{
    {"objective_focal_length", FieldKind::Number, &Setup::objective, kLengthRule},
    {"eyepiece_focal_length", FieldKind::Number, &Setup::eyepiece, kLengthRule},
    {"eyepiece_extraction", FieldKind::Number, &Setup::extraction, kLengthRule},
    {"aperture", FieldKind::Number, &Setup::aperture, kApertureRule},
    {"pixel_size", FieldKind::Number, &Setup::pixelSize, kPixelSizeRule},
    {"sensor", FieldKind::Sensor, nullptr, {}},
    {"wavelength", FieldKind::Number, &Setup::wavelength, kWavelengthRule},
    {"target", FieldKind::Target, nullptr, {}},
    {"solve", FieldKind::Solve, nullptr, {}},
    {"site", FieldKind::Site, nullptr, {}},
    {"field_stop", FieldKind::Number, &Setup::fieldStop, kFieldStopRule},
    {"band", FieldKind::Band, nullptr, {}},
    {"min_altitude", FieldKind::Number, &Setup::minAltitude, kMinAltitudeRule},
    {"grs_longitude", FieldKind::Number, &Setup::grsLongitude, kGrsRule},
}};

// ---- Writing

class Writer {
public:
  explicit Writer(SetupLayout layout) : layout_(layout) {}

  void Member(std::string_view key, std::string_view value) {
    text_ += first_ ? "{" : ",";
    first_ = false;
    if (layout_ == SetupLayout::Indented) text_ += "\n  ";
    text_ += JsonString(key);
    text_ += layout_ == SetupLayout::Indented ? ": " : ":";
    text_ += value;
  }

  std::string Close() {
    if (first_) text_ += "{";
    if (layout_ == SetupLayout::Indented && !first_) text_ += "\n";
    text_ += layout_ == SetupLayout::Indented ? "}\n" : "}";
    return std::move(text_);
  }

  // A member of an object on one line, {"width": 1280, "height": 960}, added
  // to `object`, which holds its "{" and the members before; "}" ends it.
  void AddInline(std::string& object, std::string_view key, std::string_view value) const {
    if (object.size() > 1) object += layout_ == SetupLayout::Indented ? ", " : ",";
    object += JsonString(key);
    object += layout_ == SetupLayout::Indented ? ": " : ":";
    object += value;
  }

  template <typename Value, std::size_t kCount>
  std::optional<std::string> Numbers(const Value& value,
                                     const std::array<NumberMember<Value>, kCount>& members) const {
    std::string object = "{";
    for (const NumberMember<Value>& member : members) {
      const double number = value.*member.member;
      if (!Allows(member.rule, number, member.whole)) return std::nullopt;
      AddInline(object, member.key, ShortestText(number));
    }
    return object + "}";
  }

private:
  SetupLayout layout_;
  bool first_ = true;
  std::string text_;
};

// The value of `field` in `setup` as JSON, or nothing where it is not given
// or not in range.
std::optional<std::string> FieldText(const Field& field, const Setup& setup, const Writer& writer) {
  switch (field.kind) {
    case FieldKind::Number: {
      const std::optional<double>& number = setup.*field.number;
      if (!number || !Allows(field.rule, *number)) return std::nullopt;
      return ShortestText(*number);
    }
    case FieldKind::Sensor:
      if (!setup.sensor) return std::nullopt;
      return writer.Numbers(*setup.sensor, kSensorMembers);
    case FieldKind::Target:
      if (!setup.target) return std::nullopt;
      return JsonString(RecordOf(*setup.target).englishName);
    case FieldKind::Solve: {
      if (!setup.solve || !Allows(kSolveValueRule, setup.solve->value)) return std::nullopt;
      const auto name = std::find_if(kAimNames.begin(), kAimNames.end(),
                                     [&](const AimName& a) { return a.aim == setup.solve->aim; });
      if (name == kAimNames.end()) return std::nullopt;
      std::string object = "{";
      writer.AddInline(object, "aim", JsonString(name->name));
      writer.AddInline(object, "value", ShortestText(setup.solve->value));
      return object + "}";
    }
    case FieldKind::Site:
      if (!setup.site) return std::nullopt;
      return writer.Numbers(*setup.site, kSiteMembers);
    case FieldKind::Band:
      if (!setup.band || !(setup.band->from < setup.band->to)) return std::nullopt;
      return writer.Numbers(*setup.band, kBandMembers);
  }
  return std::nullopt;
}

// ---- Reading

// A text quoted in a reason, cut short where it is long: what was typed is
// named, never echoed whole.
std::string Quoted(std::string_view text, bool asString) {
  constexpr std::size_t kMost = 32;
  std::string shown(text.substr(0, kMost));
  // Never cut a character of UTF-8 in two.
  if (text.size() > kMost) {
    while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80)
      shown.pop_back();
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) >= 0xC0) shown.pop_back();
  }
  std::string quoted = asString ? JsonString(shown) : shown;
  if (text.size() > kMost) quoted += "...";
  return quoted;
}

std::string RangeText(const NumberRule& rule, bool whole) {
  const std::string kind = whole ? "a whole number" : "a number";
  const bool below = std::isfinite(rule.least);
  const bool above = std::isfinite(rule.most);
  if (below && above)
    return kind + " from " + ShortestText(rule.least) + " to " + ShortestText(rule.most);
  if (rule.positive) return kind + " above 0";
  return "a finite number";
}

// What a value is, for "got ...": its text where it is a number or a text.
std::string Got(const JsonValue& value) {
  switch (value.kind) {
    case JsonKind::Number: return Quoted(value.text, false);
    case JsonKind::String: return Quoted(value.text, true);
    default: return std::string(JsonKindName(value.kind));
  }
}

class Reader {
public:
  explicit Reader(std::string_view text) : text_(text) {}

  SetupProblem Refuse(SetupFault fault, std::size_t offset, std::string key,
                      std::string_view what) const {
    SetupProblem problem;
    problem.fault = fault;
    problem.position = PositionAt(text_, offset);
    problem.reason = "line " + std::to_string(problem.position.line) + ", column " +
                     std::to_string(problem.position.column) + ": ";
    if (!key.empty()) problem.reason += JsonString(key) + ": ";
    problem.reason += what;
    problem.key = std::move(key);
    return problem;
  }

  SetupProblem WrongType(const JsonValue& value, const std::string& key,
                         std::string_view expected) const {
    return Refuse(
        SetupFault::WrongType, value.offset, key,
        "expected " + std::string(expected) + ", got " +
            std::string(value.kind == JsonKind::Number ? "a number" : JsonKindName(value.kind)));
  }

  // A number its rule allows, into `out`.
  std::optional<SetupProblem> Number(const JsonValue& value, const std::string& key,
                                     const NumberRule& rule, bool whole, double& out) const {
    if (value.kind != JsonKind::Number) return WrongType(value, key, "a number");
    const NumberReading reading = ReadStrictNumber(value.text, rule);
    if (reading.fault != NumberFault::None ||
        (whole && std::floor(reading.value) != reading.value)) {
      return Refuse(SetupFault::OutOfRange, value.offset, key,
                    "expected " + RangeText(rule, whole) + ", got " + Got(value));
    }
    out = reading.value;
    return std::nullopt;
  }

  template <typename Value, std::size_t kCount>
  std::optional<SetupProblem> Numbers(const JsonValue& object, const std::string& key,
                                      const std::array<NumberMember<Value>, kCount>& members,
                                      Value& out) const {
    if (object.kind != JsonKind::Object) return WrongType(object, key, "an object");
    for (const JsonMember& given : object.members) {
      const bool known = std::any_of(members.begin(), members.end(),
                                     [&](const auto& member) { return member.key == given.key; });
      if (!known) {
        return Refuse(SetupFault::UnknownKey, given.offset, key,
                      "unknown key " + Quoted(given.key, true));
      }
    }
    for (const NumberMember<Value>& member : members) {
      const std::string path = key + "." + std::string(member.key);
      const auto given = std::find_if(object.members.begin(), object.members.end(),
                                      [&](const JsonMember& m) { return m.key == member.key; });
      if (given == object.members.end()) {
        if (!member.needed) continue;
        return Refuse(SetupFault::Missing, object.offset, key,
                      JsonString(member.key) + " is missing");
      }
      if (auto problem = Number(given->value, path, member.rule, member.whole, out.*member.member))
        return problem;
    }
    return std::nullopt;
  }

  std::optional<SetupProblem> Target(const JsonValue& value, const std::string& key,
                                     Setup& setup) const {
    if (value.kind != JsonKind::String) return WrongType(value, key, "a text");
    setup.target = TargetByName(value.text);
    if (setup.target) return std::nullopt;
    std::string names;
    for (const TargetRecord& record : kTargets) {
      names += names.empty() ? "" : ", ";
      names += record.englishName;
    }
    return Refuse(SetupFault::OutOfRange, value.offset, key,
                  "expected one of " + names + ", got " + Got(value));
  }

  std::optional<SetupProblem> Solve(const JsonValue& object, const std::string& key,
                                    Setup& setup) const {
    if (object.kind != JsonKind::Object) return WrongType(object, key, "an object");
    const JsonValue* aim = nullptr;
    const JsonValue* value = nullptr;
    for (const JsonMember& given : object.members) {
      if (given.key == "aim") {
        aim = &given.value;
      } else if (given.key == "value") {
        value = &given.value;
      } else {
        return Refuse(SetupFault::UnknownKey, given.offset, key,
                      "unknown key " + Quoted(given.key, true));
      }
    }
    for (const auto& [member, name] : {std::pair{aim, "aim"}, std::pair{value, "value"}}) {
      if (member == nullptr) {
        return Refuse(SetupFault::Missing, object.offset, key, JsonString(name) + " is missing");
      }
    }
    if (aim->kind != JsonKind::String) return WrongType(*aim, key + ".aim", "a text");
    const auto found = std::find_if(kAimNames.begin(), kAimNames.end(),
                                    [&](const AimName& a) { return a.name == aim->text; });
    if (found == kAimNames.end()) {
      return Refuse(
          SetupFault::OutOfRange, aim->offset, key + ".aim",
          "expected focal_ratio, image_scale, sampling or target_pixels, got " + Got(*aim));
    }
    SetupSolve solve{found->aim, 0};
    if (auto problem = Number(*value, key + ".value", kSolveValueRule, false, solve.value))
      return problem;
    setup.solve = solve;
    return std::nullopt;
  }

  std::optional<SetupProblem> Read(const Field& field, const JsonMember& given,
                                   Setup& setup) const {
    const std::string key(field.key);
    switch (field.kind) {
      case FieldKind::Number: {
        double number = 0;
        if (auto problem = Number(given.value, key, field.rule, false, number)) return problem;
        setup.*field.number = number;
        return std::nullopt;
      }
      case FieldKind::Sensor: {
        SensorPixels sensor;
        if (auto problem = Numbers(given.value, key, kSensorMembers, sensor)) return problem;
        setup.sensor = sensor;
        return std::nullopt;
      }
      case FieldKind::Target: return Target(given.value, key, setup);
      case FieldKind::Solve: return Solve(given.value, key, setup);
      case FieldKind::Site: {
        SetupSite site;
        if (auto problem = Numbers(given.value, key, kSiteMembers, site)) return problem;
        setup.site = site;
        return std::nullopt;
      }
      case FieldKind::Band: {
        SetupBand band;
        if (auto problem = Numbers(given.value, key, kBandMembers, band)) return problem;
        if (!(band.from < band.to)) {
          return Refuse(SetupFault::OutOfRange, given.value.offset, key,
                        "expected \"from\" below \"to\", got " + ShortestText(band.from) + " to " +
                            ShortestText(band.to));
        }
        setup.band = band;
        return std::nullopt;
      }
    }
    return std::nullopt;
  }

  SetupReading Whole() const {
    if (text_.size() > kMostSetupBytes) {
      SetupProblem problem;
      problem.fault = SetupFault::TooLarge;
      problem.reason = "the set-up is " + std::to_string(text_.size()) +
                       " bytes long, more than the " + std::to_string(kMostSetupBytes) + " read";
      return problem;
    }
    std::variant<JsonValue, JsonSyntaxError> parsed = ParseJson(text_);
    if (const auto* error = std::get_if<JsonSyntaxError>(&parsed)) {
      return Refuse(SetupFault::NotJson, error->offset, {},
                    "not JSON: expected " + error->expected);
    }
    const JsonValue& root = std::get<JsonValue>(parsed);
    if (root.kind != JsonKind::Object) {
      return Refuse(SetupFault::NotAnObject, root.offset, {},
                    "expected an object, got " + std::string(JsonKindName(root.kind)));
    }
    const auto version = std::find_if(root.members.begin(), root.members.end(),
                                      [](const JsonMember& m) { return m.key == "version"; });
    if (version == root.members.end()) {
      return Refuse(SetupFault::NoVersion, root.offset, {},
                    "no \"version\": this is no set-up of this program's");
    }
    double number = 0;
    if (auto problem = Number(version->value, "version", kAnyNumber, false, number))
      return *problem;
    if (number != kSetupVersion) {
      return Refuse(SetupFault::OtherVersion, version->value.offset, "version",
                    "version " + Got(version->value) + ", and this program reads version " +
                        std::to_string(kSetupVersion));
    }
    Setup setup;
    for (const JsonMember& given : root.members) {
      if (given.key == "version") continue;
      const auto field = std::find_if(kFields.begin(), kFields.end(),
                                      [&](const Field& f) { return f.key == given.key; });
      if (field == kFields.end()) {
        return Refuse(SetupFault::UnknownKey, given.offset, {},
                      "unknown key " + Quoted(given.key, true));
      }
      if (auto problem = Read(*field, given, setup)) return *problem;
    }
    return setup;
  }

private:
  std::string_view text_;
};

}  // namespace

std::string WriteSetup(const Setup& setup, SetupLayout layout) {
  Writer writer(layout);
  writer.Member("version", std::to_string(kSetupVersion));
  for (const Field& field : kFields) {
    if (std::optional<std::string> value = FieldText(field, setup, writer))
      writer.Member(field.key, *value);
  }
  return writer.Close();
}

SetupReading ReadSetup(std::string_view text) {
  return Reader(text).Whole();
}

}  // namespace celforo
