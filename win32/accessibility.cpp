#include "win32/accessibility.h"

#include <initguid.h>  // the property identifiers are defined here, once
#include <oleacc.h>

#include "win32/text.h"

namespace celforo::win32 {

AccessibleTexts::AccessibleTexts() {
  void* services = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, &services)))
    services_ = static_cast<IAccPropServices*>(services);
}

AccessibleTexts::~AccessibleTexts() {
  ClearAll();
  if (services_ != nullptr) services_->Release();
}

bool AccessibleTexts::SetName(HWND control, std::string_view name) {
  return Set(control, PROPID_ACC_NAME, name);
}

bool AccessibleTexts::SetDescription(HWND control, std::string_view description) {
  return Set(control, PROPID_ACC_DESCRIPTION, description);
}

bool AccessibleTexts::Set(HWND control, const GUID& property, std::string_view text) {
  if (services_ == nullptr) return false;
  const std::wstring wide = Widen(text);
  if (FAILED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       property, wide.c_str())))
    return false;
  annotated_.push_back(control);
  return true;
}

void AccessibleTexts::ClearAll() {
  if (services_ == nullptr) return;
  const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
  for (const HWND control : annotated_)
    services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                              2);
  annotated_.clear();
}

}  // namespace celforo::win32
