#include "ui/window_menu.h"

#include "calc/version.h"
#include "ui/form2.h"
#include "ui/settings.h"

namespace celforo {

std::string WithoutAccessKey(std::string_view caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    // "&&" stands for "&" itself.
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

std::string_view ShortcutKeyName(ShortcutKey key) {
  switch (key) {
    case ShortcutKey::None: return "";
    case ShortcutKey::F2: return "F2";
    case ShortcutKey::F3: return "F3";
  }
  return "";
}

std::string AboutText() {
  std::string text(kNameAndVersion);
  text += "\nCalcolo per la fotografia al telescopio\nin proiezione d'oculare\n\n";
  text += "Software libero con licenza MIT\nCopyright \u00A9 The CELFORO developers";
  return text;
}

void WindowMenu::onStart() {
  theme_ = StoredTheme(settings_);
  window_.ShowTheme(theme_);
  window_.SetChecked(MenuCommand::NightMode, theme_ == Theme::Night);
}

void WindowMenu::onCommand(MenuCommand command) {
  Form2* panel = nullptr;
  switch (command) {
    case MenuCommand::SaveSetup:
    case MenuCommand::OpenSetup:
    case MenuCommand::ExportPicture:
      panel = window_.Panel();
      if (panel == nullptr) {
        window_.ShowErrorMessage(kPanelFailureTitle, kPanelFailureText);
      } else if (command == MenuCommand::SaveSetup) {
        panel->SaveSetup();
      } else if (command == MenuCommand::OpenSetup) {
        panel->OpenSetup();
      } else {
        panel->ExportPicture();
      }
      return;
    case MenuCommand::Panel:
      if (!window_.TogglePanel()) window_.ShowErrorMessage(kPanelFailureTitle, kPanelFailureText);
      return;
    case MenuCommand::NightMode:
      SetTheme(theme_ == Theme::Night ? Theme::Day : Theme::Night);
      return;
    case MenuCommand::About: window_.ShowAbout(kAboutTitle, AboutText()); return;
  }
}

void WindowMenu::SetTheme(Theme theme) {
  theme_ = theme;
  window_.ShowTheme(theme);
  window_.SetChecked(MenuCommand::NightMode, theme == Theme::Night);
  settings_.Write(kNightSetting, SettingOfTheme(theme));
}

}  // namespace celforo
