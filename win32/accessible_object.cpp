#include "win32/accessible_object.h"

#include <oleacc.h>

#include <new>
#include <string_view>

namespace celforo::win32 {
namespace {

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// How the control takes a value set as its accessible value: as its text
// (a box, a list to choose from, an item's text, a date-time picker,
// "YYYY-MM-DD HH:MM"), not at all (a read-only box, a result), or as the
// system's object takes it.
enum class ValueTaken { AsText, Never, BySystem };

ValueTaken HowTaken(HWND control) {
  wchar_t kind[32] = {};
  GetClassNameW(control, kind, 32);
  const std::wstring_view name(kind);
  if (name == L"Edit")
    return GetWindowLongW(control, GWL_STYLE) & ES_READONLY ? ValueTaken::Never
                                                            : ValueTaken::AsText;
  if (name == L"ComboBox" || name == L"SysDateTimePick32") return ValueTaken::AsText;
  return ValueTaken::BySystem;
}

HRESULT Give(std::wstring_view text, BSTR* out) {
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// Everything is the system's object's but the name, the description and a
// missing value. It holds copies of the texts: a client may keep it after
// the control has gone, when the system's object answers that it has.
class NamedAccessible final : public IAccessible {
public:
  NamedAccessible(HWND control, IAccessible* system, AccessibleTextsOf texts)
      : control_(control), system_(system), texts_(std::move(texts)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // What else the system's object offers (IOleWindow, IEnumVARIANT), its own.
    return system_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      system_->Release();
      delete this;
    }
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return system_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return system_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return system_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong) override {
    return system_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    if (IsSelf(child) && texts_.name) return Give(*texts_.name, name);
    return system_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (description == nullptr) return E_POINTER;
    if (IsSelf(child) && texts_.description) return Give(*texts_.description, description);
    return system_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (value == nullptr) return E_POINTER;
    const HRESULT result = system_->get_accValue(child, value);
    if (!IsSelf(child) || (result == S_OK && *value != nullptr)) return result;
    if (*value != nullptr) SysFreeString(*value);
    *value = nullptr;
    const int length = GetWindowTextLengthW(control_);
    if (length <= 0) return S_FALSE;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return Give(text, value);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return system_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return system_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return system_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return system_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return system_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return system_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return system_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return system_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return system_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return system_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return system_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return system_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return system_->put_accName(child, name);
  }
  // A value set is the control's text, which it takes as typed or chosen.
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    if (!IsSelf(child)) return system_->put_accValue(child, value);
    switch (HowTaken(control_)) {
      case ValueTaken::AsText:
        return SetWindowTextW(control_, value != nullptr ? value : L"") ? S_OK : E_INVALIDARG;
      case ValueTaken::Never: return E_ACCESSDENIED;
      case ValueTaken::BySystem: break;
    }
    return system_->put_accValue(child, value);
  }

private:
  HWND control_;
  IAccessible* system_;
  AccessibleTextsOf texts_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND control, WPARAM flags, const AccessibleTextsOf& texts) {
  IAccessible* system = nullptr;
  if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&system))))
    return 0;
  auto* named = new (std::nothrow) NamedAccessible(control, system, texts);
  if (named == nullptr) {
    system->Release();
    return 0;
  }
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), flags, named);
  named->Release();
  return answer < 0 ? 0 : answer;
}

}  // namespace celforo::win32
