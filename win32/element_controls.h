// A form's elements as Win32 controls: each kind of element of a table made
// the control that shows it, and where it lies at a DPI.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/form1_layout.h"
#include "win32/controls.h"

namespace celforo::win32 {

// 1440 twips to the inch: 480 twips is 32 pixels at 96 DPI, 48 at 144.
int TwipsAt(int twips, UINT dpi);

// Where an element lies in its window's client area at `dpi`.
RECT Bounds(const ElementRecord& record, UINT dpi);

// The control of an element, child `id` of `parent`: an edit for a box and a
// read-only one for a result (so that it can be selected and copied), a push
// button, a static text for a caption or a problem line, a list to choose
// from, a date-time picker, a picture box (empty: its window gives it its
// picture). Null for a rectangle, which the window paints.
std::unique_ptr<Control> MakeControl(const ElementRecord& record, HWND parent, int id);

}  // namespace celforo::win32
