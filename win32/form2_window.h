// The planning panel, PIANIFICAZIONE, on the Win32 API: a window of its own
// beside Form1's, owned by it, built from the panel's table the first time
// it is asked for; the operations the panel needs, its events delivered to
// it, and what it keeps between runs in the registry.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

#include "ui/form2.h"
#include "win32/form_window.h"
#include "win32/registry_settings.h"

namespace celforo::win32 {

// Where the panel's inputs are kept: HKEY_CURRENT_USER\Software\CELFORO\Panel,
// a text value each, named after its field ("Text4", "Combo1").
inline constexpr wchar_t kPanelSettingsKey[] = L"Software\\CELFORO\\Panel";

class Form2Window final : public FormWindow, private Form2Operations {
public:
  // Creates the panel, hidden, owned by `owner`, in `theme`, and delivers
  // Load; it plans with `form1`, whose window `owner` is, both of which must
  // outlive it. hwnd() is null when the window could not be created.
  Form2Window(HINSTANCE instance, HWND owner, Form1& form1, Theme theme);

  // Shows the panel beside `form1` (on its right where the screen has room,
  // else on its left; where neither side has it, `form1` moves left as
  // little as needed for both to fit), the focus in its first field.
  void ShowBeside(HWND form1);
  // Shows it again where it was, the focus where it was; Hide hides it, as
  // its close box does.
  void Show();
  void Hide();

  void ShowTheme(Theme theme);

  // The panel's handlers, for the menu's commands that are the panel's.
  Form2& form2() { return form2_; }

  // What a picture shows.
  const DisplayList& Shown(ElementId picture) const;

  // Whether a field is marked as holding a text that cannot be used.
  bool invalid(ElementId field) const { return invalid_[field]; }

private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintOver(HDC dc) const override;

  void DeliverEvents();
  void NameElements();
  // The mark around a field whose text cannot be used, outside its bounds.
  RECT MarkAround(ElementId field) const;

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
  // The set-up's files and the picture exported, by the system's dialogs;
  // the page's own operations (CopyLink, AskPosition) are never asked here.
  std::optional<ChosenFile> AskFileToWrite(std::string_view name,
                                           std::span<const FileKind> kinds) override;
  std::optional<std::string> WriteFile(const ChosenFile& file, std::string_view bytes) override;
  void AskFileToRead(FileKind kind, std::size_t mostBytes) override;
  std::optional<std::string> PngImage(const DisplayList& list) override;
  void ShowRefusal(std::string_view text) override;
  void CopyLink(std::string_view fragment) override;
  void AskPosition() override;

  RegistrySettings settings_{kPanelSettingsKey};
  std::array<bool, kForm2Elements.size()> invalid_{};
  // While the panel sets its own fields, their events are not delivered:
  // the panel's handlers act on their own settings themselves.
  bool quiet_ = false;
  Form2 form2_;
};

}  // namespace celforo::win32
