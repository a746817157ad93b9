// Form1 on the Win32 API: the window with its menu bar, the controls built
// from the window's table, the operations Form1 and the menu need, and
// their events delivered to them; the planning panel beside it once asked
// for.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/form1.h"
#include "ui/message_icon.h"
#include "ui/window_menu.h"
#include "win32/form_window.h"
#include "win32/gdi.h"
#include "win32/menu_bar.h"
#include "win32/registry_settings.h"

namespace celforo::win32 {

class Form2Window;

class Form1Window final : public FormWindow, private Form1Operations, private WindowMenuOperations {
public:
  // Creates the window, hidden, at the DPI of where it opens, in the theme
  // remembered in the registry, and delivers Load. hwnd() is null when the
  // window could not be created.
  explicit Form1Window(HINSTANCE instance);
  ~Form1Window() override;

  HMENU menu() const { return menuBar_.handle(); }
  // The planning panel: null until it is first asked for.
  Form2Window* panel() const { return panel_.get(); }

  // Shows the window with the focus in Text1.
  void Show(int showCommand = SW_SHOWNORMAL);

  // Handles one message taken from the thread's queue, as the program's loop
  // does: the menu's shortcut keys go to their commands from either window,
  // Tab and Shift+Tab move the focus in the window that has it, Enter and
  // Escape reach that window as IDOK and IDCANCEL, everything else is
  // dispatched.
  void Handle(MSG& message);

  // The program's message loop; returns the exit status WM_QUIT carries.
  int Run();

private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnMenuCommand(WORD id) override;
  void OnDpiChanged() override;
  void OnDestroy() override;

  void DeliverEvents();
  void NameElements();
  // The window's frame around a client area of the table's size, centred on
  // the primary monitor's work area.
  void PlaceCentred();

  std::string Text(ElementId box) const override;
  void SetText(ElementId box, std::string_view text) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void ShowErrorMessage(std::string_view title, std::string_view text) override;
  void EndProgram() override;

  void ShowTheme(Theme theme) override;
  void SetChecked(MenuCommand command, bool checked) override;
  void ShowAbout(std::string_view title, std::string_view text) override;
  bool TogglePanel() override;
  Form2* Panel() override;
  // Builds the panel, hidden, the first time; false where it cannot be made.
  bool MakePanel();

  // Shows a modal box: the panel takes no input meanwhile, as the window.
  void Modally(const std::function<void()>& show);

  MenuBar menuBar_;
  RegistrySettings settings_;
  Form1 form1_{*this};
  WindowMenu menu_{*this, settings_};
  std::unique_ptr<Form2Window> panel_;
  bool panelPlaced_ = false;  // shown beside Form1 once
};

}  // namespace celforo::win32
