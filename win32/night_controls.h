// The controls Windows draws, by night. By day each is left to the system,
// exactly as it draws it; by night the program draws what the system would
// draw in its own colours: the edits' borders, selections and carets, and
// the push buttons whole.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/palette.h"
#include "win32/gdi.h"

namespace celforo::win32 {

// What the controls follow: the night palette, or none by day.
struct NightLook {
  const Palette* palette = nullptr;
  // The carets' bitmap, of the text's colour, kept while a caret uses it.
  Bitmap caret;
  SIZE caretSize{};
};

// Makes an edit (a box or a result) follow `look`, which must outlive it.
void FollowNightLook(HWND edit, NightLook* look);

// After the look has changed: the caret of a focused edit made again.
void RenewCaret(HWND edit, NightLook* look);

// Paints a push button whole from its custom-draw notification, in
// `palette`; returns what the notification answers.
LRESULT PaintNightButton(const NMCUSTOMDRAW& draw, const Palette& palette);

}  // namespace celforo::win32
