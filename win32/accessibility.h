// What a screen reader says of the elements: a name or a description given to
// a control. Where the system can annotate a control (oleacc's annotation
// service, which UI Automation reads too), it is annotated; and every client
// asking the control for its accessible object (MSAA) is handed one with
// these texts, which is all there is where the system cannot annotate.
#pragma once

#include <windows.h>

#include <map>
#include <string_view>

#include "win32/accessible_object.h"

struct IAccPropServices;

namespace celforo::win32 {

class AccessibleTexts {
public:
  // The annotations need COM on the calling thread; without it, or without
  // the service, the controls' accessible objects alone carry the texts.
  AccessibleTexts();
  ~AccessibleTexts();
  AccessibleTexts(const AccessibleTexts&) = delete;
  AccessibleTexts& operator=(const AccessibleTexts&) = delete;

  // Sets the text, replacing the one set before; true when the system
  // annotated the control with it. An empty name leaves the control
  // nameless (a caption whose field carries its text, read once, there); an
  // empty description takes the description back.
  bool SetName(HWND control, std::string_view name);
  bool SetDescription(HWND control, std::string_view description);

  // The texts given a control, empty where none was.
  AccessibleTextsOf Of(HWND control) const;

  // Takes back every text, before the controls are destroyed.
  void ClearAll();

private:
  // Annotates the control with the text, or takes the annotation back.
  bool Annotate(HWND control, const GUID& property, const std::optional<std::wstring>& text);
  AccessibleTextsOf& Serve(HWND control);
  static LRESULT CALLBACK ServeProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR texts);

  IAccPropServices* services_ = nullptr;
  std::map<HWND, AccessibleTextsOf> texts_;
};

}  // namespace celforo::win32
