// Drives another process's windows as an assistive tool does, by the
// accessible names of their controls (Microsoft Active Accessibility, as
// Wine offers it too): each child window's accessible object asked for its
// name; values read as its accessible value, set as its accessible value
// (put_accValue) or by WM_SETTEXT, buttons pressed by BM_CLICK. Needs COM on
// the calling thread.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/win32_keys.h"
#include "win32/text.h"

namespace celforo::win32 {

class AccessibleDriver {
public:
  // The visible top-level window of `process` titled `title`, waiting up to
  // `seconds` for it; null when none shows.
  static HWND WaitForWindow(DWORD process, std::wstring_view title, double seconds = 10) {
    struct Search {
      DWORD process;
      std::wstring_view title;
      HWND found = nullptr;
    } search{process, title};
    for (int tries = 0; tries < seconds * 20 && search.found == nullptr; ++tries) {
      EnumWindows(
          [](HWND window, LPARAM data) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (owner != wanted->process || !IsWindowVisible(window) || wanted->title != text)
              return TRUE;
            wanted->found = window;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) Sleep(50);
    }
    return search.found;
  }

  // The accessible object of a control's client area; null if it has none.
  static IAccessible* ObjectOf(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
      return nullptr;
    return object;
  }

  enum class Text { Name, Value, Description };

  // A text of a control's accessible object; nothing when it has none.
  static std::optional<std::string> Read(HWND control, Text which) {
    IAccessible* object = ObjectOf(control);
    if (object == nullptr) return std::nullopt;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    HRESULT result = E_FAIL;
    switch (which) {
      case Text::Name: result = object->get_accName(self, &text); break;
      case Text::Value: result = object->get_accValue(self, &text); break;
      case Text::Description: result = object->get_accDescription(self, &text); break;
    }
    object->Release();
    std::optional<std::string> read;
    if (result == S_OK && text != nullptr) read = Narrow(text);
    if (text != nullptr) SysFreeString(text);
    return read;
  }

  // The controls of `window` whose accessible name is `name`, in the order
  // of the window's children.
  static std::vector<HWND> AllNamed(HWND window, std::string_view name) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
      if (Read(child, Text::Name) == name) found.push_back(child);
    return found;
  }

  // The one control of `window` named `name` that holds a value or acts (a
  // caption of the same name, a static text, passed over); null when there
  // is none, or more than one.
  // A control found once is looked up again by asking it alone whether it
  // is still the window's and still so named, not every child of the window
  // (a hundred calls into the other process, in the planning panel).
  static HWND Named(HWND window, std::string_view name) {
    std::map<std::pair<HWND, std::string>, HWND, std::less<>>& known = Known();
    const std::pair<HWND, std::string> key{window, std::string(name)};
    if (const auto seen = known.find(key); seen != known.end()) {
      if (IsWindow(seen->second) && GetParent(seen->second) == window &&
          Read(seen->second, Text::Name) == name)
        return seen->second;
      known.erase(seen);
    }
    const HWND control = Find(window, name);
    if (control != nullptr) known[key] = control;
    return control;
  }

  static std::map<std::pair<HWND, std::string>, HWND, std::less<>>& Known() {
    static std::map<std::pair<HWND, std::string>, HWND, std::less<>> known;
    return known;
  }

  static HWND Find(HWND window, std::string_view name) {
    std::vector<HWND> found = AllNamed(window, name);
    if (found.size() > 1) {
      std::erase_if(found, [](HWND control) {
        wchar_t kind[16] = {};
        GetClassNameW(control, kind, 16);
        return std::wstring_view(kind) == L"Static";
      });
    }
    return found.size() == 1 ? found[0] : nullptr;
  }

  // What the control of that name holds: its accessible value.
  static std::string ValueOf(HWND window, std::string_view name) {
    const HWND control = Named(window, name);
    if (control == nullptr) return "(no control named " + std::string(name) + ")";
    return Read(control, Text::Value).value_or("");
  }

  // Sets the control of that name as its accessible value; false when the
  // value was not taken.
  static bool SetValue(HWND window, std::string_view name, std::string_view value) {
    const HWND control = Named(window, name);
    IAccessible* object = control != nullptr ? ObjectOf(control) : nullptr;
    if (object == nullptr) return false;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = SysAllocString(Widen(value).c_str());
    const HRESULT result = object->put_accValue(self, text);
    SysFreeString(text);
    object->Release();
    return SUCCEEDED(result);
  }

  // Sets its text with WM_SETTEXT, which the other process receives
  // marshalled; false when the control refused it.
  static bool SetText(HWND window, std::string_view name, std::string_view text) {
    const HWND control = Named(window, name);
    if (control == nullptr) return false;
    const std::wstring wide = Widen(text);
    DWORD_PTR taken = 0;
    return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_ABORTIFHUNG, 10000, &taken) != 0 &&
           taken != 0;
  }

  // Presses the button of that name and waits for it to have been handled.
  static bool Press(HWND window, std::string_view name) {
    const HWND button = Named(window, name);
    DWORD_PTR answer = 0;
    return button != nullptr &&
           SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer) != 0;
  }

  // Presses a key where the focus is in the thread of `window`.
  static void PressKey(HWND window, WORD key) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    PostKey(thread.hwndFocus != nullptr ? thread.hwndFocus : window, key);
  }
};

}  // namespace celforo::win32
