// The program's own message box, for the night: title, text, icon and one
// OK button, red on black. By day the system's message box serves; at night
// its white and its coloured icons would not do. It is a real dialog box
// (class #32770): modal, owned by the window, Enter and Escape close it, and
// screen readers read it as they read the system's.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/message_icon.h"
#include "ui/palette.h"

namespace celforo::win32 {

// Returns once the user has closed it.
void ShowNightMessage(HWND owner, MessageKind kind, std::string_view title, std::string_view text,
                      const Palette& palette);

// The identifiers of its parts.
inline constexpr int kNightMessageIconId = 20;
inline constexpr int kNightMessageTextId = 21;

}  // namespace celforo::win32
