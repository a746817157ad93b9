// The menu bar of the desktop windows, as data, and its handlers, written
// once: the set-up as a file and the picture exported (the planning panel's
// commands), the planning panel, night mode, remembered between runs, and
// the about box. Each window system builds kMenus and kMenuItems, with their
// shortcut keys, and delivers each chosen command to WindowMenu::onCommand.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/palette.h"

namespace celforo {

class Form2;
class SettingsStore;

enum class MenuCommand { SaveSetup, OpenSetup, ExportPicture, Panel, NightMode, About };

// A key that reaches a command wherever the focus is in the window.
enum class ShortcutKey { None, F2, F3 };

struct MenuItemRecord {
  std::size_t menu;          // its menu's place in kMenus
  std::string_view caption;  // '&' comes before the access key
  MenuCommand command;
  ShortcutKey key;
  bool checkable;  // shown with a check mark while on
};

// The menus, left to right.
inline constexpr std::array<std::string_view, 3> kMenus{"&FILE", "&VISUALIZZA", "&?"};

// Each menu's items, top to bottom.
inline constexpr std::array<MenuItemRecord, 6> kMenuItems{{
    {0, "&SALVA IMPOSTAZIONE\xE2\x80\xA6", MenuCommand::SaveSetup, ShortcutKey::None, false},
    {0, "&APRI IMPOSTAZIONE\xE2\x80\xA6", MenuCommand::OpenSetup, ShortcutKey::None, false},
    {0, "&ESPORTA IMMAGINE\xE2\x80\xA6", MenuCommand::ExportPicture, ShortcutKey::None, false},
    {1, "&PIANIFICAZIONE", MenuCommand::Panel, ShortcutKey::F2, false},
    {1, "&NOTTE", MenuCommand::NightMode, ShortcutKey::F3, true},
    {2, "&INFORMAZIONI SU CELFORO", MenuCommand::About, ShortcutKey::None, false},
}};

// A caption as the user reads it, and as screen readers name it: "NOTTE".
std::string WithoutAccessKey(std::string_view caption);

// The key's name as a menu shows it beside the caption: "F3".
std::string_view ShortcutKeyName(ShortcutKey key);

// The about box: the program, its version and its licence.
inline constexpr std::string_view kAboutTitle = "INFORMAZIONI SU CELFORO";

// What F2 says where the panel's window cannot be made.
inline constexpr std::string_view kPanelFailureTitle = "CELFORO";
inline constexpr std::string_view kPanelFailureText =
    "Impossibile aprire PIANIFICAZIONE: il sistema non ha creato la finestra.";
std::string AboutText();

// What the menu's handlers need from a window system.
class WindowMenuOperations {
public:
  // Draws the window, its menus and its messages in `theme`'s palette from
  // now on, all at once.
  virtual void ShowTheme(Theme theme) = 0;

  // Shows the check mark of a checkable item, or takes it away.
  virtual void SetChecked(MenuCommand command, bool checked) = 0;

  // Shows a modal box owned by the window with the program's icon and one OK
  // button, as the window's messages are shown.
  virtual void ShowAbout(std::string_view title, std::string_view text) = 0;

  // Shows a modal box owned by the window with an error icon and one OK
  // button (the one the window's run-time errors are told in).
  virtual void ShowErrorMessage(std::string_view title, std::string_view text) = 0;

  // Shows the planning panel beside the window, building it the first time,
  // or hides it when it shows. False where the window system could not make
  // the panel's window.
  virtual bool TogglePanel() = 0;

  // The planning panel's handlers, for the commands that are the panel's
  // (the set-up's file and the picture), the panel built hidden if it was
  // not yet, and left shown or hidden as it is; null where the window
  // system could not make the panel's window.
  virtual Form2* Panel() = 0;

protected:
  ~WindowMenuOperations() = default;
};

class WindowMenu {
public:
  // `window` and `settings` must outlive the menu.
  WindowMenu(WindowMenuOperations& window, SettingsStore& settings)
      : window_(window), settings_(settings) {}

  // Once, when the window exists and before it is shown: the theme
  // remembered, day when none is.
  void onStart();
  void onCommand(MenuCommand command);

  Theme theme() const { return theme_; }

private:
  void SetTheme(Theme theme);

  WindowMenuOperations& window_;
  SettingsStore& settings_;
  Theme theme_ = Theme::Day;
};

}  // namespace celforo
