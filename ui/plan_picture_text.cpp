#include "ui/plan_picture_text.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

#include "calc/json_text.h"
#include "calc/numeric_text.h"

namespace celforo {
namespace {

constexpr std::string_view kArcseconds = "\xE2\x80\xB3";  // U+2033 DOUBLE PRIME
constexpr std::string_view kArcminutes = "\xE2\x80\xB2";  // U+2032 PRIME
constexpr std::string_view kDegrees = "\xC2\xB0";         // U+00B0 DEGREE SIGN
constexpr std::string_view kDot = " \xC2\xB7 ";           // U+00B7 MIDDLE DOT
constexpr std::string_view kTimes = " \xC3\x97 ";         // U+00D7 MULTIPLICATION SIGN
constexpr std::size_t kLineCharacters = 58;
// A lit fraction the line may leave out to make room: a phase barely seen.
constexpr double kBarelyPhased = 0.95;

std::string Degrees(double value, int decimals) {
  return FixedText(value, decimals) + std::string(kDegrees);
}

std::string FieldText(const SensorView& view) {
  return FixedText(view.fieldWidth, 1) + std::string(kArcminutes) + std::string(kTimes) +
         FixedText(view.fieldHeight, 1) + std::string(kArcminutes);
}

// The lit fraction in whole per cent, where the disc shows a phase at all.
std::optional<std::string> PhaseText(const TargetOnDate& target) {
  if (!target.disc.brightLimbAngle) return std::nullopt;
  const std::string percent = FixedText(100 * target.disc.illuminatedFraction, 0);
  if (percent == "100") return std::nullopt;
  return percent + "%";
}

std::string HourText(const CivilTime& time) {
  return DateTimeFieldText(time).substr(11);
}

// The moons in the field, by name: "Io, Europa".
std::string NamesInField(const std::array<MoonFact, 4>& moons, std::size_t& count) {
  std::string names;
  count = 0;
  for (std::size_t i = 0; i < moons.size(); ++i) {
    if (moons[i].place != MoonPlace::InField) continue;
    if (count++ > 0) names += ", ";
    names += kGalileanMoonNames[i];
  }
  return names;
}

// The line's parts in the order shown; empty where there is nothing to say.
struct LineParts {
  std::string head, rings, phase, pixels, share, vignetting, redSpot, moons;
  std::string redSpotBrief, moonsBrief;

  std::string Joined() const {
    std::string line;
    for (const std::string* part :
         {&head, &rings, &phase, &pixels, &share, &vignetting, &redSpot, &moons}) {
      if (part->empty()) continue;
      if (!line.empty()) line += kDot;
      line += *part;
    }
    return line;
  }
};

LineParts PartsOf(const SensorView& view, const PictureFacts& facts) {
  LineParts parts;
  const TargetOnDate& target = *view.target;
  const TargetRecord& record = RecordOf(target.target);
  parts.head = std::string(record.shownName) + ' ' + FixedText(target.size.diameter, 1) +
               std::string(kArcseconds);
  if (record.ringsRadius > 0)
    parts.rings = "anelli " + FixedText(target.size.ringsDiameter, 1) + std::string(kArcseconds);
  if (const std::optional<std::string> phase = PhaseText(target)) parts.phase = "fase " + *phase;
  const double shortSide = std::min(view.sensor.width, view.sensor.height);
  parts.pixels = FixedText(view.discPixels, 0) + " px";
  parts.share = FixedText(100 * view.discPixels / shortSide, 0) + "% del lato corto";
  if (facts.vignetting) parts.vignetting = "vignettatura";
  if (view.redSpotTransit) {
    parts.redSpot = "Macchia Rossa " + HourText(*view.redSpotTransit);
    parts.redSpotBrief = "GRS " + HourText(*view.redSpotTransit);
  }
  if (facts.moons) {
    std::size_t count = 0;
    const std::string names = NamesInField(*facts.moons, count);
    parts.moons = count > 0 ? "nel campo: " + names : "nessun satellite nel campo";
    parts.moonsBrief = count == 0   ? "satelliti fuori campo"
                       : count == 1 ? "1 satellite nel campo"
                                    : std::to_string(count) + " satelliti nel campo";
    if (Utf8Characters(parts.moonsBrief) >= Utf8Characters(parts.moons))
      parts.moonsBrief = parts.moons;
  }
  return parts;
}

// "Io nel campo, a ovest, in transito sul disco".
std::string MoonSentence(std::size_t index, const MoonFact& moon, std::string_view planet) {
  std::string text(kGalileanMoonNames[index]);
  const std::string side = moon.east ? "a est" : "a ovest";
  switch (moon.place) {
    case MoonPlace::InField: text += " nel campo, " + side; break;
    case MoonPlace::InPicture: text += " fuori dal campo, " + side; break;
    case MoonPlace::BeyondEdge: text += " oltre il bordo, " + side; break;
    case MoonPlace::Behind: text += " dietro " + std::string(planet); break;
    case MoonPlace::Eclipsed: text += " nell'ombra di " + std::string(planet); break;
  }
  if (moon.inTransit) text += ", in transito sul disco";
  if (moon.shadowOnDisc) text += ", la sua ombra sul disco";
  return text;
}

// The description's part on the target: "; Giove 40.0″ · ... . Fase ...".
std::string TargetSentences(const SensorView& view, const PictureFacts& facts) {
  const TargetOnDate& target = *view.target;
  std::string text;

  const std::string_view name = RecordOf(target.target).shownName;
  text += "; " + PartsOf(view, facts).Joined() + ".";
  if (target.disc.brightLimbAngle) {
    text += " Fase " + FixedText(100 * target.disc.illuminatedFraction, 0) + "% (angolo di fase " +
            Degrees(target.disc.phaseAngle, 1) + "), lembo illuminato verso " +
            Degrees(*target.disc.brightLimbAngle, 0) + ".";
  }
  if (target.disc.northPoleAngle)
    text += " Polo nord verso " + Degrees(*target.disc.northPoleAngle, 1) + ".";
  if (view.ringsPixels > 0) {
    text += " Anelli inclinati di " + Degrees(std::fabs(target.size.ringTilt), 1) + ", visti da " +
            (target.size.ringTilt >= 0 ? "nord." : "sud.");
  }
  if (view.redSpotTransit) {
    text += " Macchia Rossa";
    if (view.redSpotLongitude)
      text += " (longitudine " + Degrees(*view.redSpotLongitude, 0) + " II)";
    text += " al meridiano centrale alle " + HourText(*view.redSpotTransit) +
            (facts.redSpotSeen ? ", ora sull'emisfero visibile." : ", ora sull'emisfero nascosto.");
  }
  if (facts.moons) {
    text += " Satelliti: ";
    for (std::size_t i = 0; i < facts.moons->size(); ++i)
      text += MoonSentence(i, (*facts.moons)[i], name) + (i + 1 < facts.moons->size() ? "; " : ".");
  }
  return text;
}

}  // namespace

std::string PlanLine(const SensorView& view, const PictureFacts& facts) {
  if (!view.target)
    return "Campo " + FieldText(view) +
           (facts.vignetting ? std::string(kDot) + "vignettatura" : "");
  LineParts parts = PartsOf(view, facts);
  // Each step shortens the line further, until it fits.
  const std::function<void()> steps[] = {
      [&] { parts.share.clear(); },
      [&] { parts.redSpot = parts.redSpotBrief; },
      [&] {
        if (view.target->disc.illuminatedFraction >= kBarelyPhased) parts.phase.clear();
      },
      [&] { parts.moons = parts.moonsBrief; },
      [&] { parts.rings.clear(); },
      [&] { parts.moons.clear(); },
      [&] { parts.redSpot.clear(); },
  };
  std::string line = parts.Joined();
  for (const auto& step : steps) {
    if (Utf8Characters(line) <= kLineCharacters) break;
    step();
    line = parts.Joined();
  }
  return line;
}

std::string PlanDescription(const SensorView& view, const PictureFacts& facts) {
  std::string text = "Il campo del sensore, " + FieldText(view) + ", nord in alto, est a sinistra";
  if (view.target) text += TargetSentences(view, facts);
  if (view.fieldStopPixels) {
    text += (view.target ? " " : ". ") + std::string("Diaframma dell'oculare di ") +
            FixedText(*view.fieldStopPixels, 0) + " px sul sensore, " +
            (facts.vignetting ? "vignettatura agli angoli." : "nessuna vignettatura.");
  }
  return text;
}

}  // namespace celforo
