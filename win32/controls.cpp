#include "win32/controls.h"

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

}  // namespace celforo::win32
