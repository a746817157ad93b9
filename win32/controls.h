// The kinds of control the windows are made of, each a small class over its
// HWND, created from a plain record of arguments. A control's event is handed
// on through a callback (onTextChanged, onClick, onChanged); the parent's
// window procedure passes each WM_COMMAND and WM_NOTIFY to the control it
// came from.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
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

  // A notification the control sent its parent in WM_COMMAND or WM_NOTIFY.
  virtual void OnCommand(WORD code) { static_cast<void>(code); }
  virtual void OnNotify(const NMHDR& header) { static_cast<void>(header); }

  // Where the control lies in its parent's client area.
  virtual void SetBounds(const RECT& bounds);
  virtual void SetFont(HFONT font);
  virtual std::string Text() const;
  // Sets the text; an edit tells its parent of the change before this returns.
  virtual void SetText(std::string_view text);

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

// One item chosen from a list that drops down under the field (COMBOBOX,
// CBS_DROPDOWNLIST). The items are the lines of args.text, in order; the
// field is the bounds' height, and the list dropped under it holds every
// item. An item chosen from outside the program (CB_SETCURSEL,
// CB_SELECTSTRING, or WM_SETTEXT with an item's text, as an assistive tool
// may send) is taken as the user's choice.
class Choice : public Control {
public:
  explicit Choice(const ControlArgs& args);
  void OnCommand(WORD code) override;
  void SetBounds(const RECT& bounds) override;
  void SetFont(HFONT font) override;

  // The item chosen, from 0; -1 for none.
  int Chosen() const;
  // Chooses an item; no onChanged follows.
  void Choose(int item);
  int Count() const;
  // Replaces the items, the list as tall as they need, the first chosen; no
  // onChanged follows.
  void SetItems(std::span<const std::string> items);

  // The user chose another item.
  std::function<void()> onChanged;

private:
  // Makes the field as high as the bounds, with room under it for the list.
  void Fit();
  static LRESULT CALLBACK ChoiceProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);

  RECT bounds_{};
  bool choosing_ = false;
};

// A date and time of day to the minute, shown "YYYY-MM-DD HH:MM"
// (SysDateTimePick32, a calendar dropping down under it). Its text is that;
// setting a text of that form, or with "T" for the space, sets it, and any
// other text leaves it as it was. Such a text sent from outside the program
// in WM_SETTEXT, or a date in DTM_SETSYSTEMTIME, is taken as the user's
// change; a message from outside pointing where the program has no memory
// is refused.
class DateTimeField : public Control {
public:
  explicit DateTimeField(const ControlArgs& args);
  void OnNotify(const NMHDR& header) override;
  std::string Text() const override;
  // No onChanged follows.
  void SetText(std::string_view text) override;

  // The user changed the date or the time; onDropDown, the calendar is open.
  std::function<void()> onChanged;
  std::function<void(HWND calendar)> onDropDown;

private:
  // Sets the date and time of a text, if it is one; no onChanged follows.
  bool Set(std::string_view text);
  static LRESULT CALLBACK DateTimeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

  bool setting_ = false;
};

}  // namespace celforo::win32
