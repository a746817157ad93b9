#include "win32/night_message.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/gdi.h"
#include "win32/message_icon.h"
#include "win32/night_controls.h"
#include "win32/text.h"

namespace celforo::win32 {
namespace {

struct Message {
  MessageKind kind;
  std::wstring title;
  std::wstring text;
  const Palette& palette;
  Font font;
  Icon icon;
  Brush ground;
};

// A dialog template in memory: the box and its three parts. The sizes are
// set again in pixels once the box knows its DPI and its text.
class DialogTemplate {
public:
  DialogTemplate() {
    Align(4);
    Add<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    Add<DWORD>(0);
    Add<WORD>(3);  // parts
    for (int i = 0; i < 4; ++i) Add<short>(0);
    Add<WORD>(0);  // no menu
    Add<WORD>(0);  // the dialog class
    Add<WORD>(0);  // the title, set later
    Part(kNightMessageIconId, 0x0082, WS_CHILD | WS_VISIBLE | SS_ICON, L"");
    Part(kNightMessageTextId, 0x0082, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, L"");
    Part(IDOK, 0x0080, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, L"OK");
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
  template <typename T>
  void Add(T value) {
    static_assert(sizeof(T) % 2 == 0);
    const auto* from = reinterpret_cast<const WORD*>(&value);
    words_.insert(words_.end(), from, from + sizeof(T) / 2);
  }
  void Align(std::size_t bytes) {
    while ((words_.size() * 2) % bytes != 0) words_.push_back(0);
  }
  void Part(WORD id, WORD kind, DWORD style, std::wstring_view caption) {
    Align(4);
    Add<DWORD>(style);
    Add<DWORD>(0);
    for (int i = 0; i < 4; ++i) Add<short>(0);
    Add<WORD>(id);
    Add<WORD>(0xFFFF);
    Add<WORD>(kind);  // 0x0080 button, 0x0082 static
    for (const wchar_t c : caption) Add<WORD>(static_cast<WORD>(c));
    Add<WORD>(0);
    Add<WORD>(0);  // no creation data
  }

  std::vector<WORD> words_;
};

void LayOut(HWND box, Message& message) {
  const HWND owner = GetWindow(box, GW_OWNER);
  const UINT dpi = GetDpiForWindow(box);
  const auto scale = [dpi](int pixels) { return ScaleForDpi(pixels, dpi); };
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  message.font.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  const int iconSize = GetSystemMetricsForDpi(SM_CXICON, dpi);
  message.icon = MakeMessageIcon(message.kind, message.palette, iconSize);

  const HWND icon = GetDlgItem(box, kNightMessageIconId);
  const HWND text = GetDlgItem(box, kNightMessageTextId);
  const HWND ok = GetDlgItem(box, IDOK);
  for (const HWND part : {text, ok})
    SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(message.font.get()), FALSE);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(message.icon.get()), 0);
  SetWindowTextW(text, message.text.c_str());
  SetWindowTextW(box, message.title.c_str());

  // The text's size, lines as they are, wrapped only beyond half the screen.
  const HDC dc = GetDC(box);
  RECT measured{0, 0, GetSystemMetricsForDpi(SM_CXSCREEN, dpi) / 2, 0};
  {
    const Selection selected(dc, message.font.get());
    DrawTextW(dc, message.text.c_str(), -1, &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  }
  ReleaseDC(box, dc);
  const int margin = scale(12);
  const int textLeft = margin + iconSize + margin;
  const int textHeight = std::max<int>(measured.bottom, iconSize);
  const SIZE button{scale(75), scale(23)};  // the system's box's
  const int width = std::max<int>(textLeft + measured.right + margin, button.cx + 2 * margin);
  const int height = margin + textHeight + margin + button.cy + margin;
  SetWindowPos(icon, nullptr, margin, margin, iconSize, iconSize, SWP_NOZORDER);
  SetWindowPos(text, nullptr, textLeft, margin + (textHeight - measured.bottom) / 2, measured.right,
               measured.bottom, SWP_NOZORDER);
  SetWindowPos(ok, nullptr, width - margin - button.cx, height - margin - button.cy, button.cx,
               button.cy, SWP_NOZORDER);

  // Centred on the owner, whole on its monitor.
  RECT frame{0, 0, width, height};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)), dpi);
  RECT around{};
  GetWindowRect(owner != nullptr ? owner : GetDesktopWindow(), &around);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;
  const RECT& work = monitor.rcWork;
  const int left = std::clamp<int>((around.left + around.right - frameWidth) / 2, work.left,
                                   std::max<int>(work.left, work.right - frameWidth));
  const int top = std::clamp<int>((around.top + around.bottom - frameHeight) / 2, work.top,
                                  std::max<int>(work.top, work.bottom - frameHeight));
  SetWindowPos(box, nullptr, left, top, frameWidth, frameHeight, SWP_NOZORDER);
}

INT_PTR CALLBACK MessageProc(HWND box, UINT code, WPARAM wParam, LPARAM lParam) {
  if (code == WM_INITDIALOG) SetWindowLongPtrW(box, DWLP_USER, lParam);
  auto* message = reinterpret_cast<Message*>(GetWindowLongPtrW(box, DWLP_USER));
  if (message == nullptr) return FALSE;
  switch (code) {
    case WM_INITDIALOG:
      LayOut(box, *message);
      SetFocus(GetDlgItem(box, IDOK));
      return FALSE;  // the focus is set
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ToColorRef(Colour(message->palette, Role::Text)));
      SetBkColor(dc, ToColorRef(Colour(message->palette, Role::WindowGround)));
      return reinterpret_cast<INT_PTR>(message->ground.get());
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code != NM_CUSTOMDRAW || header->idFrom != IDOK) return FALSE;
      SetWindowLongPtrW(
          box, DWLP_MSGRESULT,
          PaintNightButton(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam), message->palette));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, IDOK);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void ShowNightMessage(HWND owner, MessageKind kind, std::string_view title, std::string_view text,
                      const Palette& palette) {
  Message message{kind,
                  Widen(title),
                  Widen(text),
                  palette,
                  nullptr,
                  nullptr,
                  SolidBrush(Colour(palette, Role::WindowGround))};
  // As the system's box sounds its kind.
  MessageBeep(kind == MessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION);
  const DialogTemplate layout;
  DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                          layout.get(), owner, MessageProc, reinterpret_cast<LPARAM>(&message));
}

}  // namespace celforo::win32
