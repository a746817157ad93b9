#include "win32/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "calc/date_time.h"
#include "win32/text.h"

namespace celforo::win32 {

Control::Control(const wchar_t* className, const ControlArgs& args, void* self) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(args.parent, GWLP_HINSTANCE));
  hwnd_ = CreateWindowExW(args.exStyle, className, Widen(args.text).c_str(),
                          WS_CHILD | WS_VISIBLE | args.style, 0, 0, 0, 0, args.parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), instance, self);
}

void Control::SetBounds(const RECT& bounds) {
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string Control::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Control::SetText(std::string_view text) {
  SetWindowTextW(hwnd_, Widen(text).c_str());
}

Edit::Edit(const ControlArgs& args) : Control(L"EDIT", args) {}

void Edit::OnCommand(WORD code) {
  if (code == EN_CHANGE && onTextChanged) onTextChanged();
}

void Edit::LimitText(int characters) {
  SendMessageW(hwnd(), EM_SETLIMITTEXT, static_cast<WPARAM>(characters), 0);
}

Button::Button(const ControlArgs& args) : Control(L"BUTTON", args) {}

void Button::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick();
}

Label::Label(const ControlArgs& args) : Control(L"STATIC", args) {}

namespace {

constexpr UINT_PTR kSubclassId = 0xC0;

ControlArgs WithoutText(ControlArgs args) {
  args.text = {};
  return args;
}

// Whether `bytes` at `address` are this process's, readable (and writable).
// Another process may send a message whose parameter points into its own
// memory, which here is nothing, or someone else's.
bool Ours(LPARAM address, std::size_t bytes, bool writable) {
  MEMORY_BASIC_INFORMATION memory{};
  if (address == 0 ||
      VirtualQuery(reinterpret_cast<const void*>(address), &memory, sizeof memory) == 0)
    return false;
  const auto end = reinterpret_cast<std::uintptr_t>(memory.BaseAddress) + memory.RegionSize;
  const DWORD readable =
      PAGE_READONLY | PAGE_READWRITE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE;
  const DWORD writes = PAGE_READWRITE | PAGE_EXECUTE_READWRITE;
  return memory.State == MEM_COMMIT && (memory.Protect & (writable ? writes : readable)) != 0 &&
         (memory.Protect & PAGE_GUARD) == 0 && static_cast<std::uintptr_t>(address) + bytes <= end;
}

std::string TextOf(LPARAM text) {
  return text != 0 ? Narrow(reinterpret_cast<const wchar_t*>(text)) : std::string();
}

}  // namespace

Choice::Choice(const ControlArgs& args) : Control(WC_COMBOBOXW, WithoutText(args), nullptr) {
  std::string_view items = args.text;
  while (true) {
    const std::size_t end = items.find('\n');
    SendMessageW(hwnd(), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Widen(items.substr(0, end)).c_str()));
    if (end == std::string_view::npos) break;
    items.remove_prefix(end + 1);
  }
  SetWindowSubclass(hwnd(), ChoiceProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Choice::ChoiceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
  auto* choice = reinterpret_cast<Choice*>(self);
  switch (message) {
    case WM_SETTEXT: {
      // The item of that text, if there is one.
      const LRESULT item = SendMessageW(hwnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam);
      if (item == CB_ERR || lParam == 0) return FALSE;
      SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
      return TRUE;
    }
    case CB_SETCURSEL:
    case CB_SELECTSTRING: {
      const int before = choice->Chosen();
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      if (!choice->choosing_ && choice->Chosen() != before && choice->onChanged)
        choice->onChanged();
      return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, ChoiceProc, kSubclassId); break;
    default: break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Choice::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE && onChanged) onChanged();
}

int Choice::Chosen() const {
  return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
}

void Choice::Choose(int item) {
  choosing_ = true;
  SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  choosing_ = false;
}

void Choice::SetItems(std::span<const std::string> items) {
  choosing_ = true;
  SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  SendMessageW(hwnd(), CB_SETCURSEL, 0, 0);
  choosing_ = false;
  Fit();
}

int Choice::Count() const {
  return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}

void Choice::SetBounds(const RECT& bounds) {
  bounds_ = bounds;
  Fit();
}

void Choice::SetFont(HFONT font) {
  Control::SetFont(font);
  Fit();
}

void Choice::Fit() {
  const int width = bounds_.right - bounds_.left;
  const int height = bounds_.bottom - bounds_.top;
  if (width <= 0 || height <= 0) return;
  // The field's height is its item height and the border around it, which
  // the control reckons from its font: the item height is made to fill the
  // bounds, trying again where the control reckons otherwise.
  const auto fieldHeight = [&] {
    RECT shown;
    GetWindowRect(hwnd(), &shown);
    return static_cast<int>(shown.bottom - shown.top);
  };
  SetWindowPos(hwnd(), nullptr, bounds_.left, bounds_.top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // What the control makes of a height asked for is its own (Wine adds to
  // it): the height asked for moves by what the field lacks, until it fits.
  auto asked = SendMessageW(hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int tries = 0; tries < 4 && fieldHeight() != height; ++tries) {
    asked += height - fieldHeight();
    if (asked <= 0) break;
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
  // The window's height is the field's and the dropped list's together.
  const auto row = SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0);
  const int list =
      static_cast<int>(row) * std::max(1, Count()) + 2 * GetSystemMetrics(SM_CYBORDER) + 2;
  SetWindowPos(hwnd(), nullptr, bounds_.left, bounds_.top, width, height + list,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// "yyyy'-'MM'-'dd HH':'mm", in the picker's own notation.
constexpr wchar_t kDateTimeFormat[] = L"yyyy'-'MM'-'dd HH':'mm";

}  // namespace

DateTimeField::DateTimeField(const ControlArgs& args)
    : Control(DATETIMEPICK_CLASSW, WithoutText(args), nullptr) {
  SendMessageW(hwnd(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(kDateTimeFormat));
  SetWindowSubclass(hwnd(), DateTimeProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK DateTimeField::DateTimeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
  auto* field = reinterpret_cast<DateTimeField*>(self);
  switch (message) {
    case WM_SETTEXT:
      if (!field->Set(TextOf(lParam))) return FALSE;
      if (field->onChanged) field->onChanged();
      return TRUE;
    // From another process, which can point only into memory it put here: a
    // date set so is the user's change; anything else is refused, not read.
    case DTM_SETSYSTEMTIME: {
      if (!InSendMessage()) break;
      if (wParam == GDT_VALID && !Ours(lParam, sizeof(SYSTEMTIME), false)) return FALSE;
      const LRESULT set = DefSubclassProc(hwnd, message, wParam, lParam);
      if (set && field->onChanged) field->onChanged();
      return set;
    }
    case DTM_GETSYSTEMTIME:
      if (InSendMessage() && !Ours(lParam, sizeof(SYSTEMTIME), true)) return GDT_ERROR;
      break;
    case DTM_GETRANGE:
    case DTM_SETRANGE:
      if (InSendMessage() && !Ours(lParam, 2 * sizeof(SYSTEMTIME), message == DTM_GETRANGE))
        return 0;
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, DateTimeProc, kSubclassId); break;
    default: break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void DateTimeField::OnNotify(const NMHDR& header) {
  if (header.code == DTN_DATETIMECHANGE && !setting_ && onChanged) onChanged();
  if (header.code == DTN_DROPDOWN && onDropDown)
    onDropDown(reinterpret_cast<HWND>(SendMessageW(hwnd(), DTM_GETMONTHCAL, 0, 0)));
}

std::string DateTimeField::Text() const {
  SYSTEMTIME time{};
  if (SendMessageW(hwnd(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
    return {};
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute);
  return text;
}

void DateTimeField::SetText(std::string_view text) {
  Set(text);
}

bool DateTimeField::Set(std::string_view text) {
  const std::optional<DateText> date = ParseDateText(text);
  if (!date || date->offsetMinutes) return false;
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date->civil.year);
  time.wMonth = static_cast<WORD>(date->civil.month);
  time.wDay = static_cast<WORD>(date->civil.day);
  time.wHour = static_cast<WORD>(date->civil.hour);
  time.wMinute = static_cast<WORD>(date->civil.minute);
  // The day of the week, which the picker may show, from the date itself.
  FILETIME file;
  SYSTEMTIME checked;
  if (SystemTimeToFileTime(&time, &file) && FileTimeToSystemTime(&file, &checked))
    time.wDayOfWeek = checked.wDayOfWeek;
  setting_ = true;
  const bool set =
      SendMessageW(hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
  setting_ = false;
  return set;
}

}  // namespace celforo::win32
