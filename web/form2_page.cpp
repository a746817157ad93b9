#include "web/form2_page.h"

#include <cstdlib>
#include <memory>
#include <utility>

#include "ui/svg_writer.h"
#include "web/dom.h"
#include "web/element_builder.h"

namespace celforo::web {
namespace {

constexpr int kForm2Number = 2;
constexpr std::string_view kKeyPrefix = "celforo-plan-";
constexpr std::string_view kSettingPrefix = "celforo-";
constexpr std::string_view kSetupFragment = "#setup=";

std::string Name(ElementId element) {
  return IdOf(kForm2Elements[element]);
}

std::string Owned(char* text) {
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  return owned ? std::string(owned.get()) : std::string();
}

// Units and problem lines are read with the field they belong to.
void DescribeFields() {
  for (ElementId field = 0; field < kForm2Elements.size(); ++field) {
    std::string described;
    for (const std::optional<ElementId> part :
         {kForm2Relations.unit[field], kForm2Relations.problem[field]}) {
      if (part) described += (described.empty() ? "" : " ") + Name(*part);
    }
    if (!described.empty()) SetAttribute(Name(field), "aria-describedby", described);
  }
}

}  // namespace

void Form2Page::Start() {
  if (started_) return;
  StyleForm(kForm2);
  for (const ElementRecord& record : kForm2Elements) MakeElement(kForm2, record);
  DescribeFields();
  for (const Form2Field& field : kForm2Fields) {
    // The sensor's "1280x960" needs a letter: the full keyboard.
    if (field.rule == FieldRule::Sensor) SetAttribute(Name(field.field), "inputmode", "text");
  }
  for (const Form2Handler& handler : kForm2Handlers) {
    // A list tells of a new choice by "change" in every browser; a box and
    // the date-time field by "input", at each keystroke.
    const bool choice = kForm2Elements[handler.element].kind == ElementKind::Choice;
    const char* type = handler.event == FormEvent::Click ? "click" : choice ? "change" : "input";
    celforo_dom_listen(Name(handler.element).c_str(), type, kForm2Number,
                       static_cast<int>(handler.element), static_cast<int>(handler.event));
  }
  theme_ = celforo_dom_night() ? Theme::Night : Theme::Day;
  started_ = true;
  form2_.onForm2Load();
}

void Form2Page::Deliver(ElementId element, FormEvent event) {
  if (form1Page_.ended() || !started_) return;
  for (const Form2Handler& handler : kForm2Handlers) {
    if (handler.element == element && handler.event == event) {
      (form2_.*handler.handle)(element);
      return;
    }
  }
}

void Form2Page::ShowTheme(Theme theme) {
  theme_ = theme;
  if (!started_ || form1Page_.ended()) return;
  for (ElementId picture = 0; picture < pictures_.size(); ++picture)
    if (pictures_[picture]) ShowIfChanged(picture, *pictures_[picture]);
}

// A keystroke sets every result, problem line and picture again, most of
// them as they were: the document is touched only where they changed.
void Form2Page::ShowIfChanged(ElementId picture, const DisplayList& list) {
  std::string markup = SvgMarkup(list, PaletteOf(theme_));
  std::optional<std::string>& shown = shownMarkup_[picture];
  if (markup == shown) return;
  SetAttribute(Name(picture), "aria-label", list.description);
  celforo_dom_set_markup(Name(picture).c_str(), markup.c_str());
  shown = std::move(markup);
}

std::string Form2Page::Text(ElementId field) const {
  return Owned(celforo_dom_value(Name(field).c_str()));
}

void Form2Page::SetText(ElementId field, std::string_view text) {
  celforo_dom_set_value(Name(field).c_str(), std::string(text).c_str());
}

int Form2Page::Choice(ElementId choice) const {
  return celforo_dom_choice(Name(choice).c_str());
}

void Form2Page::SetChoice(ElementId choice, int item) {
  celforo_dom_set_choice(Name(choice).c_str(), item);
}

void Form2Page::SetCaption(ElementId label, std::string_view caption) {
  std::optional<std::string>& shown = shownCaptions_[label];
  if (shown == caption) return;
  shown = std::string(caption);
  celforo_dom_set_text(Name(label).c_str(), std::string(caption).c_str());
}

void Form2Page::SetInvalid(ElementId field, bool invalid) {
  std::optional<bool>& shown = shownInvalid_[field];
  if (shown == invalid) return;
  shown = invalid;
  SetAttribute(Name(field), "aria-invalid", invalid ? "true" : "false");
}

void Form2Page::SetPicture(ElementId picture, const DisplayList& list) {
  pictures_[picture] = list;
  ShowIfChanged(picture, list);
}

std::optional<std::string> Form2Page::Remembered(std::string_view key) const {
  char* const stored = celforo_dom_stored((std::string(kKeyPrefix) + std::string(key)).c_str());
  if (stored == nullptr) return std::nullopt;
  return Owned(stored);
}

void Form2Page::Remember(std::string_view key, std::string_view value) {
  celforo_dom_store((std::string(kKeyPrefix) + std::string(key)).c_str(),
                    std::string(value).c_str());
}

void Form2Page::SetItems(ElementId choice, std::span<const std::string> items) {
  std::string lines;
  for (const std::string& item : items) lines += (lines.empty() ? "" : "\n") + item;
  celforo_dom_set_options(Name(choice).c_str(), lines.c_str());
}

std::optional<ChosenFile> Form2Page::AskFileToWrite(std::string_view name,
                                                    std::span<const FileKind> kinds) {
  if (kinds.empty()) return std::nullopt;
  return ChosenFile{std::string(name), kinds.front()};
}

std::optional<std::string> Form2Page::WriteFile(const ChosenFile& file, std::string_view bytes) {
  const FileType& type = FileTypeOf(file.kind);
  celforo_dom_download(file.name.c_str(), std::string(type.mediaType).c_str(), bytes.data(),
                       static_cast<int>(bytes.size()));
  if (file.kind == FileKind::SvgPicture && pictures_[kPlanPicture]) {
    // The same picture as PNG, of its own size, as the browser paints it.
    std::string pngName = file.name;
    const std::string_view svgExtension = FileTypeOf(FileKind::SvgPicture).extension;
    if (pngName.ends_with(svgExtension)) pngName.resize(pngName.size() - svgExtension.size());
    pngName += FileTypeOf(FileKind::PngPicture).extension;
    celforo_dom_download_png(pngName.c_str(), std::string(bytes).c_str(),
                             static_cast<int>(pictures_[kPlanPicture]->width),
                             static_cast<int>(pictures_[kPlanPicture]->height));
  }
  return std::nullopt;
}

void Form2Page::AskFileToRead(FileKind kind, std::size_t mostBytes) {
  celforo_dom_read_file(static_cast<int>(kind), std::string(FileTypeOf(kind).extension).c_str(),
                        static_cast<int>(mostBytes));
}

std::optional<std::string> Form2Page::PngImage(const DisplayList&) {
  // The page paints PNG in the browser, beside the SVG download (WriteFile).
  return std::nullopt;
}

void Form2Page::ShowRefusal(std::string_view text) {
  celforo_dom_show_message(std::string(kMessageTitle).c_str(), std::string(text).c_str());
}

void Form2Page::CopyLink(std::string_view fragment) {
  celforo_dom_copy_link(std::string(fragment).c_str());
}

void Form2Page::AskPosition() {
  celforo_dom_ask_position();
}

void Form2Page::Command(SetupCommand command) {
  if (form1Page_.ended() || !started_) return;
  switch (command) {
    case SetupCommand::Save: return form2_.SaveSetup();
    case SetupCommand::Open: return form2_.OpenSetup();
    case SetupCommand::CopyLink: return form2_.CopyLink();
    case SetupCommand::ExportPicture: return form2_.ExportPicture();
  }
}

void Form2Page::OpenFragment(std::string_view fragment) {
  if (form1Page_.ended() || !started_ || !fragment.starts_with(kSetupFragment)) return;
  form2_.OpenLink(fragment);
}

void Form2Page::FileRead(FileKind kind, std::string_view bytes) {
  if (form1Page_.ended() || !started_) return;
  form2_.onFileRead(kind, bytes);
}

void Form2Page::FileNotRead(FileKind kind, std::string_view why) {
  if (form1Page_.ended() || !started_) return;
  form2_.onFileNotRead(kind, why);
}

void Form2Page::PositionFound(double latitude, double longitude, std::optional<double> height) {
  if (form1Page_.ended() || !started_) return;
  form2_.onPositionFound(latitude, longitude, height);
}

void Form2Page::PositionNotFound(std::string_view why) {
  if (form1Page_.ended() || !started_) return;
  form2_.onPositionNotFound(why);
}

void Form2Page::LinkNotCopied(std::string_view why) {
  if (form1Page_.ended() || !started_) return;
  ShowRefusal(why);
}

std::optional<std::string> PageSettingsStore::Read(std::string_view name) const {
  char* const stored =
      celforo_dom_stored((std::string(kSettingPrefix) + std::string(name)).c_str());
  if (stored == nullptr) return std::nullopt;
  return Owned(stored);
}

void PageSettingsStore::Write(std::string_view name, std::string_view value) {
  celforo_dom_store((std::string(kSettingPrefix) + std::string(name)).c_str(),
                    std::string(value).c_str());
}

void PageSettingsStore::Remove(std::string_view name) {
  celforo_dom_unstore((std::string(kSettingPrefix) + std::string(name)).c_str());
}

}  // namespace celforo::web
