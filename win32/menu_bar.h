// The window's menu bar, built from kMenus and kMenuItems, with the shortcut
// keys as an accelerator table. By day the system draws it; by night the
// program draws its items, red on black, and its ground is black.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/palette.h"
#include "ui/window_menu.h"
#include "win32/gdi.h"

namespace celforo::win32 {

class MenuBar {
public:
  MenuBar();
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // Puts the menu on `window`, which destroys it with itself.
  void Attach(HWND window);
  HMENU handle() const { return bar_; }
  HACCEL accelerators() const { return accelerators_; }

  // The command of a WM_COMMAND identifier, when it is one of the menu's.
  std::optional<MenuCommand> CommandOf(WORD id) const;
  // The WM_COMMAND identifier of a command.
  static WORD IdOf(MenuCommand command);

  void SetChecked(MenuCommand command, bool checked);

  // Drawn by the system (null), or by the program in `night`'s colours.
  void SetNight(const Palette* night, UINT dpi);
  const Palette* night() const { return night_; }

  // By night, after the system has drawn the window's frame: the menu bar
  // around its items, and the line under it, in the night's ground. The
  // system draws them in its own colours whatever the menu's background.
  void PaintNightBar(HWND window) const;

  // WM_ENTERMENULOOP and WM_EXITMENULOOP: while a menu is open, by night, the
  // system's menu windows get the night's frame, not the system's grey one.
  void EnterMenuLoop();
  void ExitMenuLoop();

  // WM_MEASUREITEM and WM_DRAWITEM of the menu's items; false for another's.
  bool Measure(MEASUREITEMSTRUCT& item, HWND window) const;
  bool Draw(const DRAWITEMSTRUCT& item) const;

private:
  struct Entry {
    std::wstring caption;  // with '&'
    std::wstring key;      // the shortcut's name, or empty
    HMENU menu;            // where the entry is
    UINT position;         // its place in that menu
    bool onBar;
  };

  void Retype(bool ownerDrawn);
  Font MenuFont() const;

  HMENU bar_ = nullptr;
  HACCEL accelerators_ = nullptr;
  bool attached_ = false;
  std::vector<Entry> entries_;
  const Palette* night_ = nullptr;
  UINT dpi_ = 96;
  Brush ground_;
  HHOOK menuWindows_ = nullptr;
};

}  // namespace celforo::win32
