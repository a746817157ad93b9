// The planning panel on Qt Widgets: its own window beside Form1's, built from
// the panel's table when it is first opened, the operations Form2 needs, its
// events delivered to it, and the panel in the window's theme.
#pragma once

#include <QWidget>
#include <array>
#include <cstddef>
#include <span>

#include "ui/form2.h"
#include "ui/palette.h"
#include "ui/settings.h"

namespace celforo::qt {

class PictureView;
class RectangleShape;

class Form2Window : public QWidget, private Form2Operations {
  Q_OBJECT
public:
  // The panel plans with `form1`, whose window is `owner`, and keeps its
  // inputs in `settings` under "panel/"; all must outlive it. It is built
  // hidden, in `theme`, with its inputs loaded and its results shown.
  Form2Window(Form1& form1, SettingsStore& settings, Theme theme, QWidget* owner);

  // An element by its name ("Text4", "Label24", ...), or null.
  QWidget* element(QStringView name) const;

  // The panel's handlers, for the menu's commands that are the panel's.
  Form2& form2() { return form2_; }

  // Draws the panel in `theme`'s colours from now on. The night style sheet
  // comes from the owner, whose style sheet reaches the panel.
  void ShowTheme(Theme theme);

  // Moves the panel's frame beside `main`'s, on `main`'s screen.
  void PlaceBeside(const QWidget& main);

protected:
  // Closed from its frame, the panel is hidden and gives the keyboard back
  // to its owner.
  void closeEvent(QCloseEvent* event) override;

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
  void SetItems(ElementId choice, std::span<const std::string> items) override;
  // The set-up's files and the picture exported, by the system's file
  // dialogs; the refusals in the program's error message.
  std::optional<ChosenFile> AskFileToWrite(std::string_view name,
                                           std::span<const FileKind> kinds) override;
  std::optional<std::string> WriteFile(const ChosenFile& file, std::string_view bytes) override;
  void AskFileToRead(FileKind kind, std::size_t mostBytes) override;
  std::optional<std::string> PngImage(const DisplayList& list) override;
  void ShowRefusal(std::string_view text) override;
  // The page's alone.
  void CopyLink(std::string_view fragment) override;
  void AskPosition() override;

  // The accessible names and relations the table gives: results named by
  // their captions, captions labelling what they name.
  void NameElements();
  void DeliverEvents();
  // A field's accessible description: its unit and its problem, if any.
  void Describe(ElementId field);

  SettingsStore& settings_;
  Form2 form2_;
  Theme theme_ = Theme::Day;
  std::array<QWidget*, kForm2Elements.size()> elements_{};
  std::array<bool, kForm2Elements.size()> invalid_{};
  std::array<PictureView*, 2> pictures_{};  // the sensor's and the night's
  RectangleShape* frame_ = nullptr;
};

}  // namespace celforo::qt
