// The desktop windows' menu, on a window system faked by a recorder: night
// mode chosen, shown and remembered, a remembered value that is missing or
// malformed ignored, the about box, and the menu table itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "calc/version.h"
#include "tests/support/memory_store.h"
#include "ui/settings.h"
#include "ui/window_menu.h"

namespace celforo {
namespace {

class RecordingMenuWindow : public WindowMenuOperations {
public:
  std::vector<std::string> log;

  void ShowTheme(Theme theme) override {
    log.push_back(theme == Theme::Night ? "theme night" : "theme day");
  }
  void SetChecked(MenuCommand command, bool checked) override {
    log.push_back(std::string(command == MenuCommand::NightMode ? "NOTTE" : "?") +
                  (checked ? " checked" : " unchecked"));
  }
  void ShowAbout(std::string_view title, std::string_view text) override {
    log.push_back("about " + std::string(title) + "\n" + std::string(text));
  }
  void ShowErrorMessage(std::string_view title, std::string_view text) override {
    log.push_back("error " + std::string(title) + "\n" + std::string(text));
  }
  bool TogglePanel() override {
    log.push_back("panel");
    return panelMade;
  }
  Form2* Panel() override {
    log.push_back("panel's handlers");
    return nullptr;
  }
  bool panelMade = true;
};

TEST(WindowMenu, StartsInTheRememberedThemeAndIgnoresAnythingElse) {
  struct Case {
    const char* what;
    std::optional<std::string> stored;  // nothing: no value at all
    Theme theme;
  };
  const Case cases[] = {
      {"nothing stored", std::nullopt, Theme::Day},
      {"night", "1", Theme::Night},
      {"day", "0", Theme::Day},
      {"empty", "", Theme::Day},
      {"a word", "yes", Theme::Day},
      {"another number", "2", Theme::Day},
      {"blank before", " 1", Theme::Day},
      {"line end after", "1\n", Theme::Day},
      {"a nul after", std::string("1\0", 2), Theme::Day},
      {"long", std::string(100000, '1'), Theme::Day},
      {"not UTF-8", "\xff\xfe", Theme::Day},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryStore store;
    if (c.stored) store.values["Night"] = *c.stored;
    RecordingMenuWindow window;
    WindowMenu menu(window, store);
    menu.onStart();
    const bool night = c.theme == Theme::Night;
    EXPECT_EQ(menu.theme(), c.theme);
    EXPECT_EQ(window.log, (std::vector<std::string>{night ? "theme night" : "theme day",
                                                    night ? "NOTTE checked" : "NOTTE unchecked"}));
    EXPECT_TRUE(store.writes.empty()) << "starting writes nothing";
  }
}

TEST(WindowMenu, AStoreThatCannotBeReadStartsByDay) {
  MemoryStore store;
  store.values["Night"] = "1";
  store.readable = false;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  menu.onStart();
  EXPECT_EQ(menu.theme(), Theme::Day);
}

TEST(WindowMenu, NotteSwitchesAndRemembersAtOnce) {
  MemoryStore store;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  menu.onStart();
  window.log.clear();
  menu.onCommand(MenuCommand::NightMode);
  EXPECT_EQ(window.log, (std::vector<std::string>{"theme night", "NOTTE checked"}));
  EXPECT_EQ(store.writes, std::vector<std::string>{"Night=1"});
  menu.onCommand(MenuCommand::NightMode);
  EXPECT_EQ(menu.theme(), Theme::Day);
  EXPECT_EQ(store.writes, (std::vector<std::string>{"Night=1", "Night=0"}));

  // A malformed value is replaced by the next choice.
  MemoryStore spoilt;
  spoilt.values["Night"] = "garbage";
  WindowMenu again(window, spoilt);
  again.onStart();
  again.onCommand(MenuCommand::NightMode);
  EXPECT_EQ(spoilt.values["Night"], "1");
  WindowMenu next(window, spoilt);
  next.onStart();
  EXPECT_EQ(next.theme(), Theme::Night);
}

// PIANIFICAZIONE, each time, shows or hides the panel and nothing else: the
// theme stays and nothing is stored.
TEST(WindowMenu, PianificazioneTogglesThePanelOnly) {
  MemoryStore store;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  menu.onStart();
  window.log.clear();
  menu.onCommand(MenuCommand::Panel);
  menu.onCommand(MenuCommand::Panel);
  EXPECT_EQ(window.log, (std::vector<std::string>{"panel", "panel"}));
  EXPECT_EQ(menu.theme(), Theme::Day);
  EXPECT_TRUE(store.writes.empty());
  // A panel the window system cannot make is told, never passed over.
  window.log.clear();
  window.panelMade = false;
  menu.onCommand(MenuCommand::Panel);
  EXPECT_EQ(window.log,
            (std::vector<std::string>{"panel",
                                      "error CELFORO\nImpossibile aprire PIANIFICAZIONE: "
                                      "il sistema non ha creato la finestra."}));
}

// FILE's items are the panel's commands: where the panel's window cannot be
// made, that is told, as for PIANIFICAZIONE. (form2_test.cpp has them reach
// a panel.)
TEST(WindowMenu, FileItemsAskForThePanel) {
  MemoryStore store;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  for (const MenuCommand command :
       {MenuCommand::SaveSetup, MenuCommand::OpenSetup, MenuCommand::ExportPicture}) {
    window.log.clear();
    menu.onCommand(command);
    EXPECT_EQ(window.log,
              (std::vector<std::string>{"panel's handlers",
                                        "error CELFORO\nImpossibile aprire PIANIFICAZIONE: "
                                        "il sistema non ha creato la finestra."}));
  }
  EXPECT_TRUE(store.writes.empty());
  const std::vector<std::string_view> file{"SALVA IMPOSTAZIONE\xE2\x80\xA6",
                                           "APRI IMPOSTAZIONE\xE2\x80\xA6",
                                           "ESPORTA IMMAGINE\xE2\x80\xA6"};
  std::vector<std::string_view> shown;
  for (const MenuItemRecord& item : kMenuItems)
    if (kMenus[item.menu] == "&FILE") shown.push_back(item.caption.substr(1));
  EXPECT_EQ(shown, file);
  EXPECT_EQ(kMenus[0], "&FILE");
}

TEST(WindowMenu, AboutNamesTheVersionAndTheLicence) {
  MemoryStore store;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  menu.onCommand(MenuCommand::About);
  ASSERT_EQ(window.log.size(), 1u);
  const std::string& about = window.log[0];
  EXPECT_EQ(about.rfind("about INFORMAZIONI SU CELFORO\nCELFORO ", 0), 0u) << about;
  for (const std::string_view part :
       {kVersion, std::string_view("MIT"), std::string_view("The CELFORO developers")})
    EXPECT_NE(about.find(part), std::string::npos) << part;
  EXPECT_TRUE(store.writes.empty());
}

// PIANIFICAZIONE (F2), first in VISUALIZZA, asks the window for the panel
// each time, and neither the theme nor the store is touched.
TEST(WindowMenu, PianificazioneTogglesThePanel) {
  MemoryStore store;
  RecordingMenuWindow window;
  WindowMenu menu(window, store);
  menu.onStart();
  window.log.clear();
  menu.onCommand(MenuCommand::Panel);
  menu.onCommand(MenuCommand::Panel);
  EXPECT_EQ(window.log, (std::vector<std::string>{"panel", "panel"}));
  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(menu.theme(), Theme::Day);
  const MenuItemRecord& first =
      *std::find_if(kMenuItems.begin(), kMenuItems.end(),
                    [](const MenuItemRecord& item) { return kMenus[item.menu] == "&VISUALIZZA"; });
  EXPECT_EQ(kMenus[first.menu], "&VISUALIZZA");
  EXPECT_EQ(first.caption, "&PIANIFICAZIONE");
  EXPECT_EQ(first.command, MenuCommand::Panel);
  EXPECT_EQ(first.key, ShortcutKey::F2);
  EXPECT_EQ(ShortcutKeyName(first.key), "F2");
}

TEST(WindowMenu, CaptionsWithoutTheirAccessKeys) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"&NOTTE", "NOTTE"}, {"&?", "?"}, {"A && B", "A & B"}, {"FINE&", "FINE&"}, {"", ""},
  };
  for (const auto& [caption, plain] : cases) EXPECT_EQ(WithoutAccessKey(caption), plain);
}

// Every item in a menu that exists, one access key a caption and none twice
// in a menu, no shortcut key twice.
TEST(WindowMenu, TheTableIsWellFormed) {
  std::set<std::pair<std::size_t, char>> accessKeys;
  std::set<ShortcutKey> shortcuts;
  for (const std::string_view menu : kMenus)
    EXPECT_EQ(std::count(menu.begin(), menu.end(), '&'), 1);
  for (const MenuItemRecord& item : kMenuItems) {
    SCOPED_TRACE(item.caption);
    EXPECT_LT(item.menu, kMenus.size());
    const std::size_t amp = item.caption.find('&');
    ASSERT_NE(amp, std::string_view::npos);
    ASSERT_LT(amp + 1, item.caption.size());
    EXPECT_TRUE(accessKeys.insert({item.menu, item.caption[amp + 1]}).second);
    if (item.key != ShortcutKey::None) {
      EXPECT_TRUE(shortcuts.insert(item.key).second);
    }
  }
  EXPECT_EQ(ShortcutKeyName(ShortcutKey::F2), "F2");
  EXPECT_EQ(ShortcutKeyName(ShortcutKey::F3), "F3");
}

}  // namespace
}  // namespace celforo
