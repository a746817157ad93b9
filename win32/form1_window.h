// Form1 on the Win32 API: the window with its menu bar, the controls built
// from the window's table, the operations Form1 and the menu need, and
// their events delivered to them.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "ui/form1.h"
#include "ui/message_icon.h"
#include "ui/window_menu.h"
#include "win32/accessibility.h"
#include "win32/controls.h"
#include "win32/gdi.h"
#include "win32/menu_bar.h"
#include "win32/night_controls.h"
#include "win32/registry_settings.h"

namespace celforo::win32 {

class PictureView;

class Form1Window : private Form1Operations, private WindowMenuOperations {
public:
  // Creates the window, hidden, at the DPI of where it opens, in the theme
  // remembered in the registry, and delivers Load. hwnd() is null when the
  // window could not be created.
  explicit Form1Window(HINSTANCE instance);
  ~Form1Window();
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  // An element's control; null for Shape1, which the window paints.
  HWND element(ElementId id) const;
  UINT dpi() const { return dpi_; }
  Theme theme() const { return theme_; }
  HMENU menu() const { return menuBar_.handle(); }

  // Shows the window with the focus in Text1.
  void Show(int showCommand = SW_SHOWNORMAL);

  // Handles one message taken from the thread's queue, as the program's loop
  // does: the menu's shortcut keys go to their commands, Tab and Shift+Tab
  // move the focus, Enter and Escape reach the window as IDOK and IDCANCEL,
  // everything else is dispatched.
  void Handle(MSG& message);

  // The program's message loop; returns the exit status WM_QUIT carries.
  int Run();

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);

  void CreateElements();
  void DeliverEvents();
  void NameElements();
  // Positions, sizes and fonts of the elements at `dpi`.
  void LayOutElements(UINT dpi);
  // The window's frame around a client area of the table's size, centred on
  // the primary monitor's work area.
  void PlaceCentred();
  // Makes the client area the table's size at the DPI, the frame and the
  // menu bar around it, at `left`, `top`.
  void FitClientArea(int left, int top);
  // The program's icon, in the sizes the system wants at `dpi`.
  void SetIcons(UINT dpi);
  void PaintFrame(HDC dc) const;
  HBRUSH ControlBrush(HDC dc, HWND control, bool isEdit) const;
  ElementId IdOf(HWND control) const;
  bool IsButton(HWND control) const;

  std::string Text(ElementId box) const override;
  void SetText(ElementId box, std::string_view text) override;
  void SetCaption(ElementId label, std::string_view caption) override;
  void ShowErrorMessage(std::string_view title, std::string_view text) override;
  void EndProgram() override;

  void ShowTheme(Theme theme) override;
  void SetChecked(MenuCommand command, bool checked) override;
  void ShowAbout(std::string_view title, std::string_view text) override;

  const Palette& palette() const { return PaletteOf(theme_); }

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  HWND focus_ = nullptr;  // the control to give the focus back to on activation
  Theme theme_ = Theme::Day;
  Brush background_;
  Brush resultBackground_;
  Icon bigIcon_;
  Icon smallIcon_;
  std::vector<Font> fonts_;
  std::array<std::unique_ptr<Control>, kForm1Elements.size()> elements_;
  PictureView* picture_ = nullptr;
  AccessibleTexts accessibleTexts_;
  MenuBar menuBar_;
  NightLook night_;
  RegistrySettings settings_;
  Form1 form1_{*this};
  WindowMenu menu_{*this, settings_};
};

}  // namespace celforo::win32
