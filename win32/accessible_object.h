// A control's accessible object as the system makes it, with the name and
// the description the program gives the control in place of the system's
// guesses: what a screen reader or another program reading the window
// through Microsoft Active Accessibility (MSAA) is handed where the system
// cannot annotate the control itself.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace celforo::win32 {

struct AccessibleTextsOf {
  std::optional<std::wstring> name;         // none: the system's; empty: no name
  std::optional<std::wstring> description;  // none: the system's
};

// The answer to a WM_GETOBJECT for the control's client area (OBJID_CLIENT):
// the system's object for `control`, wrapped with `texts`. Its value, where
// the system's object has none, is the control's text (the item a list
// shows, the date a picker holds); a value set is the text of a control
// that takes one (a box, a list, a date-time picker), which takes it as
// typed or chosen; a read-only box takes none. 0 when the system's object
// cannot be made.
LRESULT AnswerGetObject(HWND control, WPARAM flags, const AccessibleTextsOf& texts);

}  // namespace celforo::win32
