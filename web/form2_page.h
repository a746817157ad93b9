// The planning panel in the web page: its elements built from its table
// inside <div id="Form2">, the operations its handlers need, and its events
// delivered to it. It plans with the set-up of the page's Form1.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/form2.h"
#include "ui/palette.h"
#include "ui/settings.h"
#include "web/form1_page.h"

namespace celforo::web {

// Where the page keeps the kit: the browser's localStorage on the device,
// each name under "celforo-" ("celforo-kit/Telescope1"). A closed store
// (private browsing, storage turned off) reads nothing and keeps nothing.
class PageSettingsStore final : public SettingsStore {
public:
  std::optional<std::string> Read(std::string_view name) const override;
  void Write(std::string_view name, std::string_view value) override;
  void Remove(std::string_view name) override;
};

// The page's own buttons for the set-up, beside the panel: SALVA
// IMPOSTAZIONE, APRI IMPOSTAZIONE, COPIA LINK and ESPORTA IMMAGINE, as
// page.js numbers them.
enum class SetupCommand { Save = 0, Open = 1, CopyLink = 2, ExportPicture = 3 };

class Form2Page final : private Form2Operations {
public:
  explicit Form2Page(Form1Page& form1Page)
      : form1Page_(form1Page), form2_(*this, form1Page.form1(), kitStore_) {}

  // Builds the elements and delivers Load, once: after Form1's.
  void Start();

  // An event of an element, as the page reports it; ignored once the program
  // has ended.
  void Deliver(ElementId element, FormEvent event);

  // Paints the picture again in the colours of `theme`.
  void ShowTheme(Theme theme);

  // One of the page's buttons for the set-up; ignored until the panel is
  // built, or once the program has ended.
  void Command(SetupCommand command);
  // A page opened at an address whose fragment is `fragment`: a set-up's
  // ("#setup=...") is opened; any other is left alone.
  void OpenFragment(std::string_view fragment);

  // What the browser found later: a file's bytes or why it could not be
  // read, the device's position or why there is none, the link not copied.
  void FileRead(FileKind kind, std::string_view bytes);
  void FileNotRead(FileKind kind, std::string_view why);
  void PositionFound(double latitude, double longitude, std::optional<double> height);
  void PositionNotFound(std::string_view why);
  void LinkNotCopied(std::string_view why);

private:
  std::string Text(ElementId field) const override;
  void SetText(ElementId field, std::string_view text) override;
  int Choice(ElementId choice) const override;
  void SetChoice(ElementId choice, int item) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void SetInvalid(ElementId field, bool invalid) override;
  void SetPicture(ElementId picture, const DisplayList& list) override;
  std::optional<std::string> Remembered(std::string_view key) const override;
  void Remember(std::string_view key, std::string_view value) override;
  // The page writes a file as a download under the name suggested, and
  // reads one by the browser's file picker; an SVG picture is downloaded
  // with the same painted as PNG beside it, by the browser. A refusal is
  // told in the page's dialog.
  void SetItems(ElementId choice, std::span<const std::string> items) override;
  std::optional<ChosenFile> AskFileToWrite(std::string_view name,
                                           std::span<const FileKind> kinds) override;
  std::optional<std::string> WriteFile(const ChosenFile& file, std::string_view bytes) override;
  void AskFileToRead(FileKind kind, std::size_t mostBytes) override;
  std::optional<std::string> PngImage(const DisplayList& list) override;
  void ShowRefusal(std::string_view text) override;
  void CopyLink(std::string_view fragment) override;
  void AskPosition() override;

  Form1Page& form1Page_;
  PageSettingsStore kitStore_;
  Form2 form2_;
  void ShowIfChanged(ElementId picture, const DisplayList& list);

  // By element: the pictures (the sensor's and the night's) as shown, and
  // what the document shows now, so that it is written only where it changes.
  template <typename T>
  using ByElement = std::array<std::optional<T>, kForm2Elements.size()>;
  ByElement<DisplayList> pictures_;
  ByElement<std::string> shownMarkup_;
  ByElement<std::string> shownCaptions_;
  ByElement<bool> shownInvalid_;
  Theme theme_ = Theme::Day;
  bool started_ = false;
};

}  // namespace celforo::web
