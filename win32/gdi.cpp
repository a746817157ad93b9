#include "win32/gdi.h"

namespace celforo::win32 {

void FillFrame(HDC dc, const RECT& box, int line, HBRUSH brush) {
  const RECT sides[] = {{box.left, box.top, box.right, box.top + line},
                        {box.left, box.bottom - line, box.right, box.bottom},
                        {box.left, box.top, box.left + line, box.bottom},
                        {box.right - line, box.top, box.right, box.bottom}};
  for (const RECT& side : sides) FillRect(dc, &side, brush);
}

NonClientArea NonClientAreaOf(HWND window) {
  NonClientArea area{};
  GetWindowRect(window, &area.window);
  GetClientRect(window, &area.client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area.client), 2);
  OffsetRect(&area.client, -area.window.left, -area.window.top);
  OffsetRect(&area.window, -area.window.left, -area.window.top);
  return area;
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC windowProc,
                         UINT extraStyle) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, name, &windowClass)) return;
  windowClass.style = extraStyle;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace celforo::win32
