// The planning panel's set-up as a file, a link and a picture, and the
// site from the device's position.
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <variant>

#include "calc/numeric_text.h"
#include "calc/quantity_rules.h"
#include "calc/setup_file.h"
#include "calc/setup_link.h"
#include "ui/form2.h"
#include "ui/setup_fields.h"
#include "ui/svg_writer.h"

namespace celforo {
namespace {

constexpr std::string_view kSetupFileName = "celforo.json";
constexpr std::string_view kPictureFileName = "celforo.svg";
constexpr std::array<FileKind, 1> kSetupKinds{FileKind::Setup};
constexpr std::array<FileKind, 2> kPictureKinds{FileKind::SvgPicture, FileKind::PngPicture};

constexpr std::string_view kNotSaved = "Impostazione non salvata: ";
constexpr std::string_view kNotOpened = "Impossibile aprire l'impostazione.\n\n";
constexpr std::string_view kLinkNotOpened = "Impossibile aprire il link.\n\n";
constexpr std::string_view kNoPicture = "Nessuna immagine da esportare: prima servono i risultati.";
constexpr std::string_view kPictureNotSaved = "Immagine non salvata: ";
constexpr std::string_view kNoPng = "Impossibile disegnare l'immagine PNG.";
constexpr std::string_view kNoPosition = "Il dispositivo non ha dato una posizione valida.";

// A value to `decimals` places, without trailing zeros or a negative zero:
// 45.07032 to four is "45.0703", 7.5 "7.5", -0.3 to none "0".
std::string RoundedText(double value, int decimals) {
  std::string text = FixedText(value, decimals);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

bool Within(const NumberRule& rule, double value) {
  return std::isfinite(value) && value >= rule.least && value <= rule.most;
}

}  // namespace

void Form2::SaveSetup() {
  const Setup setup = SetupOfFields(form1_.Inputs(), Read());
  const std::optional<ChosenFile> file = window_.AskFileToWrite(kSetupFileName, kSetupKinds);
  if (!file) return;
  if (const std::optional<std::string> why = window_.WriteFile(*file, WriteSetup(setup)))
    window_.ShowRefusal(std::string(kNotSaved) + *why);
}

void Form2::OpenSetup() {
  // One byte beyond the most a set-up holds is enough to refuse a larger file.
  window_.AskFileToRead(FileKind::Setup, kMostSetupBytes + 1);
}

void Form2::onFileRead(FileKind kind, std::string_view bytes) {
  if (kind == FileKind::Setup) OpenSetupText(bytes, false);
}

void Form2::onFileNotRead(FileKind kind, std::string_view why) {
  if (kind == FileKind::Setup) window_.ShowRefusal(std::string(kNotOpened) + std::string(why));
}

void Form2::CopyLink() {
  window_.CopyLink(SetupFragment(SetupOfFields(form1_.Inputs(), Read())));
}

void Form2::OpenLink(std::string_view fragment) {
  OpenSetupText(fragment, true);
}

void Form2::OpenSetupText(std::string_view text, bool link) {
  const SetupReading reading = link ? ReadSetupFragment(text) : ReadSetup(text);
  if (const auto* problem = std::get_if<SetupProblem>(&reading)) {
    window_.ShowRefusal(std::string(link ? kLinkNotOpened : kNotOpened) + problem->reason);
    return;
  }
  const SetupEntries entries = EntriesOfSetup(std::get<Setup>(reading));
  for (std::size_t i = 0; i < kForm2Fields.size(); ++i)
    if (entries.fields[i]) Fill(kForm2Fields[i].field, *entries.fields[i]);
  // The kit's entries chosen before may no longer be what the fields hold.
  for (const KitSection& section : kKitSections) window_.SetChoice(section.choice, 0);
  form1_.SetBoxesAndCalculate(entries.form1);
  Recompute();
}

void Form2::ExportPicture() {
  if (!pictureShowsSetUp_) return window_.ShowRefusal(kNoPicture);
  const std::optional<ChosenFile> file = window_.AskFileToWrite(kPictureFileName, kPictureKinds);
  if (!file) return;
  std::string bytes;
  if (file->kind == FileKind::PngPicture) {
    std::optional<std::string> png = window_.PngImage(picture_);
    if (!png) return window_.ShowRefusal(kNoPng);
    bytes = std::move(*png);
  } else {
    bytes = SvgDocument(picture_);
  }
  if (const std::optional<std::string> why = window_.WriteFile(*file, bytes))
    window_.ShowRefusal(std::string(kPictureNotSaved) + *why);
}

void Form2::onPositionClicked(ElementId) {
  window_.SetCaption(kPositionProblem, "");
  window_.AskPosition();
}

void Form2::onPositionFound(double latitude, double longitude, std::optional<double> height) {
  if (!Within(kLatitudeRule, latitude) || !Within(kLongitudeRule, longitude) ||
      (height && !Within(kHeightRule, *height)))
    return onPositionNotFound(kNoPosition);
  window_.SetCaption(kPositionProblem, "");
  Fill(kLatitudeBox, {RoundedText(latitude, 4)});  // about 10 m
  Fill(kLongitudeBox, {RoundedText(longitude, 4)});
  if (height) Fill(kHeightBox, {RoundedText(*height, 0)});
  Recompute();
}

void Form2::onPositionNotFound(std::string_view why) {
  window_.SetCaption(kPositionProblem, why);
}

}  // namespace celforo
