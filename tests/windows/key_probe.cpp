// Waits for a visible top-level window of the given title and presses a key
// where its focus is, as the keyboard would: how a script opens the planning
// panel (F2) of a program it started. Usage: key_probe TITLE KEY [SECONDS],
// KEY one of F1 to F12; status 1 when no such window shows in time (20
// seconds unless told).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  const int function = argc >= 3 && argv[2][0] == 'F' ? std::atoi(argv[2] + 1) : 0;
  if (argc < 3 || argc > 4 || function < 1 || function > 12) {
    std::fprintf(stderr, "usage: key_probe TITLE F1..F12 [SECONDS]\n");
    return 2;
  }
  const int size = MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, nullptr, 0);
  std::wstring title(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title.data(), size);
  const DWORD seconds = argc == 4 ? static_cast<DWORD>(std::atoi(argv[3])) : 20;
  const auto key = static_cast<WPARAM>(VK_F1 + function - 1);

  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ULL;
  do {
    HWND window = FindWindowW(nullptr, title.c_str());
    if (window != nullptr && IsWindowVisible(window)) {
      GUITHREADINFO thread{};
      thread.cbSize = sizeof thread;
      GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
      const HWND target = thread.hwndFocus != nullptr ? thread.hwndFocus : window;
      const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC))
                        << 16;
      PostMessageW(target, WM_KEYDOWN, key, scan | 1);
      PostMessageW(target, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001));
      std::printf("pressed %s in \"%s\"\n", argv[2], argv[1]);
      return 0;
    }
    Sleep(100);
  } while (GetTickCount64() < deadline);
  std::printf("no window \"%s\" within %lu seconds\n", argv[1], seconds);
  return 1;
}
