// The controls Windows draws, by night. By day each is left to the system,
// exactly as it draws it; by night the program draws what the system would
// draw in its own colours: the edits' borders, selections and carets, the
// push buttons whole, and the lists and date-time pickers as their red
// negatives.
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

// Makes a control the system draws whole follow `look` (a list to choose
// from, and the list it drops; a date-time picker, and its calendar): by
// night what the system draws is turned into its negative in the night's
// colours, the lighter the darker: its white ground black, its black ink
// red, a highlighted part a dimmer red under black letters. Its border is a
// line of the border's colour, two while it has the focus, as the edits'.
void FollowNightNegative(HWND control, NightLook* look);

// A colour as the negative shows it: the palette's result ground for white,
// its text colour for black, and between them by lightness.
Rgb NightNegative(Rgb day, const Palette& palette);

// Paints a push button whole from its custom-draw notification, in
// `palette`; returns what the notification answers.
LRESULT PaintNightButton(const NMCUSTOMDRAW& draw, const Palette& palette);

}  // namespace celforo::win32
