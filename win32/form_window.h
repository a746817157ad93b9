// A window of one of the program's forms, which Form1's window and the
// planning panel's both are: a top-level window whose client area is the
// form's table in twips at the window's DPI, laid out again when the DPI
// changes; its elements made from the table as controls, their events handed
// to them; drawn in the day's or the night's colours; the focus kept where
// it was across activations; screen readers told what each element is.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <vector>

#include "ui/form1_layout.h"
#include "ui/palette.h"
#include "win32/accessibility.h"
#include "win32/controls.h"
#include "win32/gdi.h"
#include "win32/night_controls.h"

namespace celforo::win32 {

class PictureView;

class FormWindow {
public:
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // An element's control; null for a rectangle, which the window paints.
  HWND element(ElementId id) const;
  UINT dpi() const { return dpi_; }
  Theme theme() const { return theme_; }

protected:
  FormWindow(HINSTANCE instance, const FormRecord& form, std::span<const ElementRecord> elements);
  // Destroys the window, if it is still there, without the end of the
  // program that its destruction may otherwise mean.
  virtual ~FormWindow();

  // Makes the window of the class `className`, registered here, hidden, with
  // `style` and owned by `owner` (or none), at `where` on the screen (its
  // size comes later); false when it could not be made. Then the form's
  // title is its caption and dpi() the DPI of where it is.
  bool Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND owner, POINT where);

  // The elements' controls, first identifier `firstId`, each a child of the
  // window in the table's order, which is the Tab order.
  void CreateElements(int firstId);
  // Positions, sizes and fonts of the elements at `dpi`.
  void LayOutElements(UINT dpi);

  // The client area of the table's size at `dpi`, and the window's outer
  // rectangle around it with the caption, menu bar and borders the system
  // draws at the window's own.
  SIZE ClientSize(UINT dpi) const;
  RECT FrameAround(UINT dpi) const;
  // Makes the client area the table's size at the DPI, the frame around it,
  // at `left`, `top` on the screen.
  void FitClientArea(int left, int top);
  // The program's icon on the window, in the sizes the system wants at the
  // window's DPI.
  void SetIcons();

  Control* control(ElementId id) const { return elements_[id].get(); }
  ElementKind kind(ElementId id) const { return elements()[id].kind; }
  std::span<const ElementRecord> elements() const { return records_; }
  // The element a control is; elements().size() for none.
  ElementId IdOf(HWND control) const;
  // Where an element lies in the client area now.
  RECT BoundsOf(ElementId id) const;

  // The colours of `theme` from now on, for the window, its controls and its
  // pictures; Redraw shows them.
  void SetColours(Theme theme);
  void Redraw();
  const Palette& palette() const { return PaletteOf(theme_); }

  AccessibleTexts& accessibleTexts() { return accessibleTexts_; }
  HINSTANCE instance() const { return instance_; }
  // The control to give the focus to when the window is active again.
  void KeepFocus(HWND control) { focus_ = control; }

  // The messages of the window. A window handles its own first and passes
  // on the rest, which end in the system's handling.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A WM_COMMAND from no control: the menu, its shortcut keys, or Enter and
  // Escape as IDOK and IDCANCEL.
  virtual void OnMenuCommand(WORD id) { static_cast<void>(id); }
  // Paints what the window itself draws over its ground, after its frames.
  virtual void PaintOver(HDC dc) const { static_cast<void>(dc); }
  // After the elements are laid out at a new DPI and the icons made for it,
  // before the window is fitted around them.
  virtual void OnDpiChanged() {}
  // The window is being destroyed.
  virtual void OnDestroy() {}

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HBRUSH ControlBrush(HDC dc, HWND control) const;
  void PaintFrames(HDC dc) const;

  HINSTANCE instance_;
  const FormRecord& form_;
  std::span<const ElementRecord> records_;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  int firstId_ = 0;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  HWND focus_ = nullptr;
  Theme theme_ = Theme::Day;
  Brush background_;
  Brush resultBackground_;
  std::vector<Font> fonts_;
  Icon bigIcon_;
  Icon smallIcon_;
  std::vector<std::unique_ptr<Control>> elements_;
  AccessibleTexts accessibleTexts_;
  NightLook night_;
};

}  // namespace celforo::win32
