// Waits for a visible top-level window of the given title, prints its client
// size, and closes it as the close box would: how a test sees that a program
// shows its window. Usage: window_probe TITLE [SECONDS]; status 1 when no
// such window shows in time (20 seconds unless told).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: window_probe TITLE [SECONDS]\n");
    return 2;
  }
  const int size = MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, nullptr, 0);
  std::wstring title(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title.data(), size);
  const DWORD seconds = argc == 3 ? static_cast<DWORD>(std::atoi(argv[2])) : 20;

  const ULONGLONG deadline = GetTickCount64() + seconds * 1000ULL;
  do {
    HWND window = FindWindowW(nullptr, title.c_str());
    if (window != nullptr && IsWindowVisible(window)) {
      RECT client{};
      GetClientRect(window, &client);
      std::printf("window \"%s\": client area %ld x %ld\n", argv[1], client.right, client.bottom);
      std::fflush(stdout);
      PostMessageW(window, WM_CLOSE, 0, 0);
      return 0;
    }
    Sleep(100);
  } while (GetTickCount64() < deadline);
  std::printf("no window \"%s\" within %lu seconds\n", argv[1], seconds);
  return 1;
}
