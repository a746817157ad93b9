// The kinds of control the window is made of, each a small class over its
// HWND, created from a plain record of arguments. A control's event is handed
// on through a callback (onTextChanged, onClick); the parent's window
// procedure passes each WM_COMMAND to the control it came from.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace celforo::win32 {

struct ControlArgs {
  HWND parent = nullptr;
  int id = 0;             // the control's identifier in WM_COMMAND
  std::string_view text;  // UTF-8
  DWORD style = 0;        // besides WS_CHILD and WS_VISIBLE
  DWORD exStyle = 0;
};

class Control {
public:
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }

  // A notification the control sent its parent in WM_COMMAND.
  virtual void OnCommand(WORD code) { static_cast<void>(code); }

  void SetBounds(const RECT& bounds);
  void SetFont(HFONT font);
  std::string Text() const;
  // Sets the text; an edit tells its parent of the change before this returns.
  void SetText(std::string_view text);

protected:
  // Creates the control; `self` reaches WM_NCCREATE as the creation parameter.
  Control(const wchar_t* className, const ControlArgs& args, void* self = nullptr);

private:
  HWND hwnd_ = nullptr;
};

// A single-line edit box (EDIT).
class Edit : public Control {
public:
  explicit Edit(const ControlArgs& args);
  void OnCommand(WORD code) override;
  void LimitText(int characters);

  std::function<void()> onTextChanged;
};

// A push button (BUTTON).
class Button : public Control {
public:
  explicit Button(const ControlArgs& args);
  void OnCommand(WORD code) override;

  std::function<void()> onClick;
};

// A text that takes no input (STATIC).
class Label : public Control {
public:
  explicit Label(const ControlArgs& args);
};

}  // namespace celforo::win32
