// What a screen reader says of the elements: a name or a description given to
// a control through the system's accessibility annotations (oleacc).
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace celforo::win32 {

class AccessibleTexts {
public:
  // Needs COM on the calling thread; without it, or without the service,
  // nothing is annotated and every Set returns false.
  AccessibleTexts();
  ~AccessibleTexts();
  AccessibleTexts(const AccessibleTexts&) = delete;
  AccessibleTexts& operator=(const AccessibleTexts&) = delete;

  bool SetName(HWND control, std::string_view name);
  bool SetDescription(HWND control, std::string_view description);

  // Takes back every annotation, before the controls are destroyed.
  void ClearAll();

private:
  bool Set(HWND control, const GUID& property, std::string_view text);

  IAccPropServices* services_ = nullptr;
  std::vector<HWND> annotated_;
};

}  // namespace celforo::win32
