// The planning panel in the web page: its elements built from its table
// inside <div id="Form2">, the operations its handlers need, and its events
// delivered to it. It plans with the set-up of the page's Form1.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/form2.h"
#include "ui/palette.h"
#include "ui/settings.h"
#include "web/form1_page.h"

namespace celforo::web {

// Where the page keeps the kit: not yet kept (nothing is read, nothing
// written), until the page stores it on the device.
class PageKitStore final : public SettingsStore {
public:
  std::optional<std::string> Read(std::string_view) const override { return std::nullopt; }
  void Write(std::string_view, std::string_view) override {}
  void Remove(std::string_view) override {}
};

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
  // The kit's lists, the set-up's files, the picture exported, the link and
  // the device's position: not yet carried out on the page. A refusal is
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
  PageKitStore kitStore_;
  Form2 form2_;
  std::map<ElementId, DisplayList> pictures_;  // the sensor's and the night's, as shown
  Theme theme_ = Theme::Day;
  bool started_ = false;
};

}  // namespace celforo::web
