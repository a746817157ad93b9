#include "win32/registry_settings.h"

#include "win32/text.h"

namespace celforo::win32 {

std::optional<std::string> RegistrySettings::Read(std::string_view name) const {
  std::wstring value(kMaxValue + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  // A value of any other type is an error, as is a longer one; an
  // expandable text is of another type, not expanded into this one.
  if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), Widen(name).c_str(),
                   RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, value.data(), &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return Narrow(value);
}

void RegistrySettings::Write(std::string_view name, std::string_view value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  const std::wstring wide = Widen(value);
  RegSetValueExW(key, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                 static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void RegistrySettings::Remove(std::string_view name) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), Widen(name).c_str());
}

}  // namespace celforo::win32
