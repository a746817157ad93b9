#include "win32/night_controls.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "win32/gdi.h"

namespace celforo::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kNegativeSubclassId = 2;

NightLook* LookOf(DWORD_PTR look) {
  return reinterpret_cast<NightLook*>(look);
}

// The edit's border in the non-client area: a line of the palette's border
// colour outside, and a second inside while the edit has the focus.
void PaintBorder(HWND edit, const Palette& palette) {
  const auto [window, client] = NonClientAreaOf(edit);
  const HDC dc = GetWindowDC(edit);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  const Brush ground = SolidBrush(Colour(palette, Role::ResultGround));
  FillRect(dc, &window, ground.get());
  const Brush line = SolidBrush(Colour(palette, Role::ControlBorder));
  const int width = client.left - window.left;
  FillFrame(dc, window, GetFocus() == edit && width >= 2 ? 2 : 1, line.get());
  ReleaseDC(edit, dc);
}

// Where the character `index` of a one-line edit starts, in its client area.
int XOf(HWND edit, const std::wstring& text, DWORD index, HDC dc) {
  if (index < text.size()) {
    return static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, index, 0)));
  }
  if (text.empty()) return 0;
  // Past the last character: where the last starts, and its width.
  const int last =
      static_cast<short>(LOWORD(SendMessageW(edit, EM_POSFROMCHAR, text.size() - 1, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, &text.back(), 1, &extent);
  return last + extent.cx;
}

// The selection as the edit draws it, in the palette's colours: the text's
// colour behind, the ground's for the letters. The system would take its
// highlight colours, which no setting of the edit's changes.
void PaintSelection(HWND edit, HDC dc, const Palette& palette) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // An edit shows its selection only while it has the focus.
  if (start >= end || GetFocus() != edit) return;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  end = std::min<DWORD>(end, static_cast<DWORD>(text.size()));
  if (start >= end) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  const Selection selected(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT format{};
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const int top = static_cast<short>(HIWORD(SendMessageW(edit, EM_POSFROMCHAR, start, 0)));
  const int left = XOf(edit, text, start, dc);
  const int right = XOf(edit, text, end, dc);
  RECT band{std::max(left, static_cast<int>(format.left)), top,
            std::min(right, static_cast<int>(format.right)), top + metrics.tmHeight};
  if (band.left >= band.right) return;
  SetBkColor(dc, ToColorRef(Colour(palette, Role::Text)));
  SetTextColor(dc, ToColorRef(Colour(palette, Role::ResultGround)));
  ExtTextOutW(dc, left, top, ETO_OPAQUE | ETO_CLIPPED, &band, text.c_str() + start,
              static_cast<UINT>(end - start), nullptr);
}

// The edit paints into a bitmap, its selection is painted over there, and
// the whole goes to the screen at once: no moment shows the system's colours.
void PaintNight(HWND edit, const Palette& palette) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(edit, &paint);
  RECT client;
  GetClientRect(edit, &client);
  const HDC memory = CreateCompatibleDC(dc);
  const Bitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
  {
    const Selection selected(memory, bitmap.get());
    const Brush ground = SolidBrush(Colour(palette, Role::ResultGround));
    FillRect(memory, &client, ground.get());
    // The edit leaves its own clipping in the context it paints into.
    const int saved = SaveDC(memory);
    DefSubclassProc(edit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                    PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(memory, saved);
    PaintSelection(edit, memory, palette);
    // An edit with a single-line border and no non-client area draws that
    // border itself, in the system's colour.
    RECT window;
    GetWindowRect(edit, &window);
    if (window.right - window.left == client.right && window.bottom - window.top == client.bottom &&
        (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY)) {
      const Brush line = SolidBrush(Colour(palette, Role::ControlBorder));
      FillFrame(memory, client, 1, line.get());
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  }
  DeleteDC(memory);
  EndPaint(edit, &paint);
}

// The border a control without a non-client area draws in its client area:
// covered by the ground, and a line of the border's colour at its edge.
void PaintClientBorder(HWND control, HDC dc, const RECT& client, const Palette& palette) {
  const Brush ground = SolidBrush(Colour(palette, Role::ResultGround));
  const int edge = std::min<int>(2, std::min(client.right, client.bottom) / 2);
  FillFrame(dc, client, edge, ground.get());
  const Brush line = SolidBrush(Colour(palette, Role::ControlBorder));
  FillFrame(dc, client, GetFocus() == control ? edge : 1, line.get());
}

// The control paints into a bitmap as by day; each of its pixels is turned
// into the negative, and the whole goes to the screen at once.
void PaintNegative(HWND control, const Palette& palette) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(control, &paint);
  RECT client;
  GetClientRect(control, &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width > 0 && height > 0) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const Bitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HDC memory = CreateCompatibleDC(dc);
    if (bitmap && memory != nullptr) {
      const Selection selected(memory, bitmap.get());
      FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      const int saved = SaveDC(memory);
      DefSubclassProc(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                      PRF_CLIENT | PRF_ERASEBKGND);
      RestoreDC(memory, saved);
      GdiFlush();
      auto* pixel = static_cast<std::uint32_t*>(bits);
      for (std::size_t i = 0;
           i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
        const Rgb day{static_cast<int>((pixel[i] >> 16) & 0xFF),
                      static_cast<int>((pixel[i] >> 8) & 0xFF), static_cast<int>(pixel[i] & 0xFF)};
        const Rgb night = NightNegative(day, palette);
        pixel[i] = static_cast<std::uint32_t>(night.red << 16 | night.green << 8 | night.blue);
      }
      RECT window;
      GetWindowRect(control, &window);
      if (window.right - window.left == width && window.bottom - window.top == height)
        PaintClientBorder(control, memory, client, palette);
      BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    }
    if (memory != nullptr) DeleteDC(memory);
  }
  EndPaint(control, &paint);
}

// Messages after which the system may have drawn part of the control
// straight onto the screen, in its day's colours: the whole is painted again.
bool MayDrawDirectly(UINT message) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
    case LB_SETCURSEL:
    case DTM_SETSYSTEMTIME:  // also the calendar's MCM_SETCURSEL
      return true;
    default: return false;
  }
}

LRESULT CALLBACK NegativeProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR look) {
  const Palette* night = LookOf(look)->palette;
  switch (message) {
    case WM_NCPAINT:
      if (night == nullptr) break;
      PaintBorder(control, *night);
      return 0;
    case WM_ERASEBKGND:
      if (night == nullptr) break;
      return 1;  // the paint covers it all
    case WM_PAINT:
      if (night == nullptr) break;
      PaintNegative(control, *night);
      return 0;
    case WM_NCDESTROY: RemoveWindowSubclass(control, NegativeProc, kNegativeSubclassId); break;
    default:
      if (night == nullptr || !MayDrawDirectly(message)) break;
      {
        const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
        if (IsWindow(control) && IsWindowVisible(control))
          RedrawWindow(control, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_NOERASE);
        return result;
      }
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR look) {
  const Palette* night = LookOf(look)->palette;
  switch (message) {
    case WM_NCPAINT:
      if (night == nullptr) break;
      PaintBorder(edit, *night);
      return 0;
    case WM_PAINT:
      if (night == nullptr) break;
      PaintNight(edit, *night);
      return 0;
    case WM_SETFOCUS:
    case WM_SETFONT: {
      // The edit makes its caret anew here: the night's one replaces it.
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      if (night != nullptr) RenewCaret(edit, LookOf(look));
      if (night != nullptr && message == WM_SETFOCUS)
        RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      if (night != nullptr) RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(edit, EditProc, kSubclassId); break;
    default: break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void FollowNightLook(HWND edit, NightLook* look) {
  SetWindowSubclass(edit, EditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(look));
}

void RenewCaret(HWND edit, NightLook* look) {
  if (GetFocus() != edit) return;
  POINT where{};
  GetCaretPos(&where);
  const HDC dc = GetDC(edit);
  TEXTMETRICW metrics{};
  {
    const Selection selected(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
  }
  DWORD width = 1;
  SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &width, 0);
  const SIZE size{std::max(1L, static_cast<LONG>(width)), metrics.tmHeight};
  DestroyCaret();
  // A caret is drawn by inverting the screen's bits with its own: a bitmap
  // of the text's colour turns the black ground into the text's colour, and
  // the text's colour into black; green and blue stay 0.
  if (look->palette != nullptr &&
      (!look->caret || look->caretSize.cx != size.cx || look->caretSize.cy != size.cy)) {
    look->caret.reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
    look->caretSize = size;
    const HDC memory = CreateCompatibleDC(dc);
    {
      const Selection selected(memory, look->caret.get());
      const RECT all{0, 0, size.cx, size.cy};
      const Brush text = SolidBrush(Colour(*look->palette, Role::Text));
      FillRect(memory, &all, text.get());
    }
    DeleteDC(memory);
  }
  ReleaseDC(edit, dc);
  CreateCaret(edit, look->palette != nullptr ? look->caret.get() : nullptr, size.cx, size.cy);
  SetCaretPos(where.x, where.y);
  ShowCaret(edit);
}

void FollowNightNegative(HWND control, NightLook* look) {
  SetWindowSubclass(control, NegativeProc, kNegativeSubclassId, reinterpret_cast<DWORD_PTR>(look));
  // A list to choose from drops a list window of its own.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndList != nullptr)
    SetWindowSubclass(combo.hwndList, NegativeProc, kNegativeSubclassId,
                      reinterpret_cast<DWORD_PTR>(look));
}

Rgb NightNegative(Rgb day, const Palette& palette) {
  // The lightness, 0 to 255000, as the eye weighs the three.
  const int light = 299 * day.red + 587 * day.green + 114 * day.blue;
  const Rgb ground = Colour(palette, Role::ResultGround);
  const Rgb ink = Colour(palette, Role::Text);
  const auto mix = [&](int from, int to) { return to + (from - to) * light / 255000; };
  return {mix(ground.red, ink.red), mix(ground.green, ink.green), mix(ground.blue, ink.blue)};
}

LRESULT PaintNightButton(const NMCUSTOMDRAW& draw, const Palette& palette) {
  if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  const HDC dc = draw.hdc;
  const RECT& box = draw.rc;
  const bool pressed = draw.uItemState & CDIS_SELECTED;
  const bool focused = draw.uItemState & CDIS_FOCUS;
  const bool isDefault =
      (GetWindowLongW(draw.hdr.hwndFrom, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const Rgb text = Colour(palette, Role::Text);
  const Rgb face = Colour(palette, Role::ButtonFace);
  // Pressed, the colours change places.
  const Brush ground = SolidBrush(pressed ? text : face);
  FillRect(dc, &box, ground.get());
  const Brush line = SolidBrush(Colour(palette, Role::ControlBorder));
  FillFrame(dc, box, focused || isDefault ? 2 : 1, line.get());
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(draw.hdr.hwndFrom)) + 1,
                       L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(draw.hdr.hwndFrom, caption.data(), static_cast<int>(caption.size()))));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(draw.hdr.hwndFrom, WM_GETFONT, 0, 0));
  const Selection selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(pressed ? face : text));
  RECT where = box;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &where,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return CDRF_SKIPDEFAULT;
}

}  // namespace celforo::win32
