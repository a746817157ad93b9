// A set-up file said as celforo-calc's command line would say it: each value
// as the word of the option that gives it, and Form1's lengths as the
// operands that give them. --setup reads these words with the options' own
// readers, so that a file and the same values typed as options are one run.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/setup.h"

namespace celforo::cli {

// An option and its value's text: {"--aperture", "250"}.
struct OptionWord {
  std::string_view option;
  std::string value;
};

// The set-up file's keys of Form1's three lengths, in the operands' order.
inline constexpr std::array<std::string_view, 3> kLengthKeys{
    "objective_focal_length", "eyepiece_focal_length", "eyepiece_extraction"};

struct SetupWords {
  // In the file's order of keys: --aperture, --pixel-size, --pixels,
  // --wavelength, --target, --site, --field-stop, --band, --min-altitude
  // and --grs, each where the file gives it. Numbers as the shortest text
  // that reads back the same ("3.75"), the sensor "1280x960", the target by
  // its English name, the site "45.07,7.69,240", the band "400-700".
  std::vector<OptionWord> options;
  // RAGGIUNGI and VALORE as the option of that solve: {"--sampling", "2"}.
  std::optional<OptionWord> solve;
  // OBJECTIVE, EYEPIECE and EXTRACTION as Form1 writes them into its boxes
  // (" 2500", " 2.99999999976"): the window opening the file computes with
  // what its boxes then hold, to 15 significant digits, and so does a run.
  std::array<std::optional<std::string>, 3> lengths;
};

SetupWords WordsOfSetup(const Setup& setup);

// The option that aims at `aim`: "--sampling" for PlanAim::Sampling.
std::string_view SolveOption(PlanAim aim);

}  // namespace celforo::cli
