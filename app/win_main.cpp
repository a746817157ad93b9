// Starts CELFORO on Windows: its one window and the message loop.
#include <objbase.h>
#include <windows.h>

#include "win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // COM, for the screen readers' texts of the elements.
  const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  int status = 1;
  {
    celforo::win32::Form1Window form1(instance);
    if (form1.hwnd() != nullptr) {
      form1.Show(showCommand);
      status = form1.Run();
    }
  }
  if (com) CoUninitialize();
  return status;
}
