// Prints the screen resolution a Windows program is given, as the device
// context and as the system DPI, to check the DPI the Wine harness sets.
#include <windows.h>

#include <cstdio>

int main() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 1;
  const int logPixels = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  std::printf("LOGPIXELSX %d GetDpiForSystem %u\n", logPixels, GetDpiForSystem());
  return 0;
}
