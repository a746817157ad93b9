#include "cli/setup_words.h"

#include <cstddef>
#include <utility>

#include "calc/numeric_text.h"

namespace celforo::cli {
namespace {

// A number as its option reads it back, the same double: 3.75 is "3.75".
std::string Number(double value) {
  return ShortestText(value);
}

// Each value of a set-up the file may give, with its option, in the order
// of the file's keys; nothing where the file leaves it out.
struct SetupValue {
  std::string_view option;
  std::optional<std::string> (*text)(const Setup&);
};

template <std::optional<double> Setup::*kMember>
std::optional<std::string> NumberOf(const Setup& setup) {
  if (!(setup.*kMember)) return std::nullopt;
  return Number(*(setup.*kMember));
}

constexpr SetupValue kSetupValues[] = {
    {"--aperture", NumberOf<&Setup::aperture>},
    {"--pixel-size", NumberOf<&Setup::pixelSize>},
    {"--pixels",
     [](const Setup& s) -> std::optional<std::string> {
       if (!s.sensor) return std::nullopt;
       return Number(s.sensor->width) + "x" + Number(s.sensor->height);
     }},
    {"--wavelength", NumberOf<&Setup::wavelength>},
    {"--target",
     [](const Setup& s) -> std::optional<std::string> {
       if (!s.target) return std::nullopt;
       return std::string(RecordOf(*s.target).englishName);
     }},
    {"--site",
     [](const Setup& s) -> std::optional<std::string> {
       if (!s.site) return std::nullopt;
       return Number(s.site->latitude) + "," + Number(s.site->longitude) + "," +
              Number(s.site->height);
     }},
    {"--field-stop", NumberOf<&Setup::fieldStop>},
    {"--band",
     [](const Setup& s) -> std::optional<std::string> {
       if (!s.band) return std::nullopt;
       return Number(s.band->from) + "-" + Number(s.band->to);
     }},
    {"--min-altitude", NumberOf<&Setup::minAltitude>},
    {"--grs", NumberOf<&Setup::grsLongitude>},
};

}  // namespace

std::string_view SolveOption(PlanAim aim) {
  switch (aim) {
    case PlanAim::FocalRatio: return "--focal-ratio";
    case PlanAim::ImageScale: return "--image-scale";
    case PlanAim::Sampling: return "--sampling";
    case PlanAim::DiscPixels: return "--target-pixels";
  }
  return "--focal-ratio";
}

SetupWords WordsOfSetup(const Setup& setup) {
  SetupWords words;
  for (const SetupValue& value : kSetupValues) {
    if (std::optional<std::string> text = value.text(setup))
      words.options.push_back({value.option, std::move(*text)});
  }
  if (setup.solve)
    words.solve = OptionWord{SolveOption(setup.solve->aim), Number(setup.solve->value)};
  const std::array<const std::optional<double>*, 3> lengths{&setup.objective, &setup.eyepiece,
                                                            &setup.extraction};
  for (std::size_t i = 0; i < lengths.size(); ++i)
    if (*lengths[i]) words.lengths[i] = SignedNumberText(**lengths[i]);
  return words;
}

}  // namespace celforo::cli
