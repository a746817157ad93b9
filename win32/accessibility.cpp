#include "win32/accessibility.h"

#include <commctrl.h>
#include <initguid.h>  // the property identifiers are defined here, once
#include <oleacc.h>

#include "win32/text.h"

namespace celforo::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0xACC;

}  // namespace

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
  AccessibleTextsOf& texts = Serve(control);
  texts.name = Widen(name);
  return Annotate(control, PROPID_ACC_NAME, texts.name);
}

bool AccessibleTexts::SetDescription(HWND control, std::string_view description) {
  AccessibleTextsOf& texts = Serve(control);
  texts.description = description.empty() ? std::nullopt : std::optional(Widen(description));
  return Annotate(control, PROPID_ACC_DESCRIPTION, texts.description);
}

AccessibleTextsOf AccessibleTexts::Of(HWND control) const {
  const auto found = texts_.find(control);
  return found != texts_.end() ? found->second : AccessibleTextsOf{};
}

bool AccessibleTexts::Annotate(HWND control, const GUID& property,
                               const std::optional<std::wstring>& text) {
  if (services_ == nullptr) return false;
  if (!text) {
    MSAAPROPID properties[] = {property};
    return SUCCEEDED(services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT),
                                               CHILDID_SELF, properties, 1));
  }
  return SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, property, text->c_str()));
}

AccessibleTextsOf& AccessibleTexts::Serve(HWND control) {
  const auto [where, added] = texts_.try_emplace(control);
  if (added) SetWindowSubclass(control, ServeProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  return where->second;
}

LRESULT CALLBACK AccessibleTexts::ServeProc(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR texts) {
  auto* self = reinterpret_cast<AccessibleTexts*>(texts);
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = AnswerGetObject(control, wParam, self->Of(control)))
          return answer;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, ServeProc, kSubclassId);
      self->texts_.erase(control);
      break;
    default: break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

void AccessibleTexts::ClearAll() {
  const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
  for (const auto& [control, texts] : texts_) {
    RemoveWindowSubclass(control, ServeProc, kSubclassId);
    if (services_ != nullptr)
      services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                                2);
  }
  texts_.clear();
}

}  // namespace celforo::win32
