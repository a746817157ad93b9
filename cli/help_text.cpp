#include "cli/help_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "calc/plan_columns.h"
#include "cli/columns.h"
#include "cli/option_table.h"

namespace celforo::cli {
namespace {

constexpr std::size_t kLineWidth = 80;
// Where an option's description starts: "  --extraction FROM:TO:STEP  " and a
// column to spare.
constexpr std::size_t kDescriptionColumn = 29;

bool IsWordCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

constexpr std::string_view kIntroduction =
    "Eyepiece projection: magnification, equivalent focal length and the distance\n"
    "from the eyepiece to the focal plane, as the CELFORO window computes them, and\n"
    "for planning an imaging set-up the focal ratio, the image scale, the field,\n"
    "the sampling, the size of the Sun, the Moon or a planet on the sensor, how its\n"
    "disc is lit and turned, and from a site when it is up and at its best and how\n"
    "far the air smears its colours.\n"
    "\n"
    "With OBJECTIVE EYEPIECE EXTRACTION, computes that set-up. With no operand,\n"
    "reads set-ups from standard input, three fields a line separated by blanks\n"
    "or tabs, and answers each line as it comes; blank lines and lines starting\n"
    "with # are passed over, and a line longer than 1 MiB is reported. All lengths\n"
    "are in one unit of your choice, millimetres when a pixel size is given. The\n"
    "three lengths are read as the window reads them: a leading number, the rest\n"
    "ignored. Every other number must be a number alone, with a point as its\n"
    "decimal mark.\n"
    "\n"
    "A sweep or a solve takes OBJECTIVE and EYEPIECE only. The planning columns\n"
    "follow the three results in every mode.\n";

constexpr std::string_view kEnding =
    "Exit status:\n"
    "  0 computed, 1 a calculation failed or a picture could not be drawn, 2 misuse,\n"
    "  3 the input or the set-up file could not be read, or the output or the\n"
    "  picture not written.\n"
    "\n"
    "Examples:\n"
    "  celforo-calc 2500 5 3\n"
    "  printf '2500 5 3\\n2000 10 5\\n' | celforo-calc --tsv\n"
    "  celforo-calc --tsv --header --extraction 2:4:1 2500 5\n"
    "  celforo-calc --aperture 250 --pixel-size 3.75 --focal-ratio 20 2500 5\n"
    "  celforo-calc --pixel-size 3.75 --pixels 1280x960 --image-scale .15 2500 5\n"
    "  celforo-calc --aperture 250 --pixel-size 3.75 --sampling 2 2500 5\n"
    "  celforo-calc --target giove --aperture 250 --pixel-size 3.75 2500 5 2.5\n"
    "  celforo-calc --target saturn --date 2026-12-07T21:30+01:00 2500 5 3\n"
    "  celforo-calc --target saturn --pixel-size 3.75 --target-pixels 400 2500 5\n"
    "  celforo-calc --site 45.07,7.69,240 --target giove --pixel-size 3.75 2500 5 2.5\n"
    "  celforo-calc --tsv --night 30 --site 45.07,7.69 --target saturn 2500 5 3\n"
    "  celforo-calc --events --target jupiter --site 45.07,7.69 --date 2026-12-07\n"
    "  celforo-calc --json --target jupiter --date 2027-02-19 --grs 40 2500 5 3\n"
    "  celforo-calc --setup trip.json --date 2026-12-07T21:30 --picture trip.svg\n"
    "  celforo-calc --setup trip.json --solve --date 2026-12-07T21:30\n";

struct SectionRecord {
  HelpSection section;
  std::string_view heading;
};

constexpr std::array<SectionRecord, 6> kSections{{
    {HelpSection::Solving, "Sweeping and solving:"},
    {HelpSection::Planning, "Planning columns:"},
    {HelpSection::Targets, "Target:"},
    {HelpSection::Sky, "The sky from a site:"},
    {HelpSection::Files, "Set-up files and pictures:"},
    {HelpSection::Output, "Output:"},
}};

constexpr std::string_view kKeysHeading = "Columns and JSON keys:";

constexpr std::string_view kTimesAndWords =
    "Times and words:\n"
    "  Times are in this machine's local time, rounded to the minute, as\n"
    "  YYYY-MM-DDTHH:MM followed by the offset from UTC (Z at UTC, else +HH:MM or\n"
    "  -HH:MM): 2026-12-07T16:44+01:00. Words stand where there is no value:\n"
    "  sotto l'orizzonte, the air mass and the dispersion of a target below the\n"
    "  horizon (null in JSON); non sorge, non transita and non tramonta, an event\n"
    "  that does not happen that date; sempre sopra and sempre sotto, a target\n"
    "  above or below the horizon all that date (for MIGLIORE ORA, all the dark\n"
    "  night); mai buio, a night when the Sun does not get 6 degrees down; sotto la\n"
    "  minima, a night the target never reaches --min-altitude in.\n";

// Appends `item` to `text` after a space, or on a new line starting with
// `indent` spaces where it would reach kLineWidth. `column` is where the last
// line stands.
void AppendItem(std::string& text, std::size_t& column, std::string_view item, std::size_t indent) {
  const bool lineStart = column <= indent;
  if (!lineStart && column + 1 + item.size() > kLineWidth) {
    text += '\n';
    text.append(indent, ' ');
    column = indent;
  } else if (!lineStart) {
    text += ' ';
    ++column;
  }
  text += item;
  column += item.size();
}

// Whether `words` starts with a column's caption, which is never broken
// across lines: "DIAMETRO (PIXEL)" is one item.
std::size_t CaptionAtStart(std::string_view words) {
  for (const PlanColumn& column : kPlanColumns) {
    const std::string_view caption = column.caption;
    if (words.starts_with(caption) &&
        (words.size() == caption.size() || !IsWordCharacter(words[caption.size()])))
      return caption.size();
  }
  return 0;
}

// Appends the words of `words` as AppendItem does each, a caption and the
// punctuation after it as one.
void AppendWrapped(std::string& text, std::size_t& column, std::string_view words,
                   std::size_t indent) {
  while (!words.empty()) {
    const std::size_t caption = CaptionAtStart(words);
    const std::size_t end = words.find(' ', caption);
    AppendItem(text, column, words.substr(0, end), indent);
    words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
  }
}

// "--aperture D", after `before` and before `after`: "[--aperture D]".
std::string OptionWithValue(const OptionRow& row, std::string_view before = {},
                            std::string_view after = {}) {
  std::string text(before);
  text.append(row.name);
  if (!row.value.empty()) text.append(" ").append(row.value);
  text.append(after);
  return text;
}

// Each option whole on a line: "[--aperture D]"; the sweeps and solves as
// alternatives, "[--extraction FROM:TO:STEP | --focal-length F | ...]".
std::string MakeUsage() {
  constexpr std::string_view kStart = "usage: celforo-calc";
  constexpr std::size_t kIndent = 11;
  std::string text(kStart);
  std::size_t column = kStart.size();
  for (const OptionRow& row : OptionRows()) {
    if (row.role == Role::Value || row.role == Role::Switch)
      AppendItem(text, column, OptionWithValue(row, "[", "]"), kIndent);
  }
  std::string_view before = "[";
  std::string alternative;
  for (const OptionRow& row : OptionRows()) {
    if (row.role != Role::SweepOrSolve) continue;
    if (!alternative.empty()) AppendItem(text, column, alternative, kIndent);
    alternative = OptionWithValue(row, before);
    before = "| ";
  }
  AppendItem(text, column, alternative + "]", kIndent);
  AppendItem(text, column, "[OBJECTIVE EYEPIECE [EXTRACTION]]", kIndent);
  text += '\n';
  return text;
}

// "  focal_ratio                RAPPORTO FOCALE": every column's JSON key and
// caption, the leading ones, the results, the plan's, then the events'.
std::string KeysSection() {
  std::vector<Heading> headings{kExtractionHeading, kTimeHeading};
  headings.insert(headings.end(), kResultHeadings.begin(), kResultHeadings.end());
  for (const PlanColumn& column : kPlanColumns) headings.push_back({column.caption, column.key});
  for (const Heading& heading : kEventHeadings) {
    const bool listed = std::any_of(headings.begin(), headings.end(),
                                    [&](const Heading& h) { return h.key == heading.key; });
    if (!listed) headings.push_back(heading);
  }
  std::string text = std::string(kKeysHeading) + "\n";
  for (const Heading& heading : headings) {
    std::string line = "  " + std::string(heading.key);
    line.append(line.size() < kDescriptionColumn ? kDescriptionColumn - line.size() : 2, ' ');
    text += line;
    text += heading.caption;
    text += '\n';
  }
  return text;
}

std::string MakeHelp() {
  std::string text(kIntroduction);
  for (const SectionRecord& section : kSections) {
    text.append("\n").append(section.heading).append("\n");
    for (const OptionRow& row : OptionRows()) {
      if (row.section != section.section) continue;
      std::string line = "  " + OptionWithValue(row);
      line.append(line.size() < kDescriptionColumn ? kDescriptionColumn - line.size() : 2, ' ');
      std::string description(row.help);
      const auto named = std::find(row.needs.begin(), row.needs.end(), std::string_view());
      if (named != row.needs.begin())
        description += " Needs " + NamesInProse({row.needs.begin(), named}) + ".";
      std::size_t column = line.size();
      text += line;
      AppendWrapped(text, column, description, kDescriptionColumn);
      text += '\n';
    }
  }
  text.append("\n").append(KeysSection());
  text.append("\n").append(kTimesAndWords);
  text.append("\n").append(kEnding);
  return text;
}

}  // namespace

std::string_view UsageText() {
  static const std::string usage = MakeUsage();
  return usage;
}

std::string_view HelpText() {
  static const std::string help = MakeHelp();
  return help;
}

}  // namespace celforo::cli
