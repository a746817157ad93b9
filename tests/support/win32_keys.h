// Keys as the keyboard gives them to a window, for the Windows tests: posted
// to a control, whose thread's loop turns them into characters and commands.
#pragma once

#include <windows.h>

namespace celforo::win32 {

// A key pressed and released, posted to `target` (another process's window
// too).
inline void PostKey(HWND target, WORD key) {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, key, scan | 1);
  PostMessageW(target, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001));
}

// Holds a modifier key (VK_SHIFT, VK_CONTROL) down or lets it go, for this
// thread.
inline void HoldModifier(int key, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace celforo::win32
