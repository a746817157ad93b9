// What the window remembers between runs, in the registry: text values
// under HKEY_CURRENT_USER\Software\CELFORO.
#pragma once

#include <windows.h>

#include <string>

#include "ui/settings.h"

namespace celforo::win32 {

inline constexpr wchar_t kSettingsKey[] = L"Software\\CELFORO";

class RegistrySettings final : public SettingsStore {
public:
  // The values of HKEY_CURRENT_USER\`key`.
  explicit RegistrySettings(std::wstring key = kSettingsKey) : key_(std::move(key)) {}

  // Only a text value (REG_SZ) of at most kMaxValue characters is read.
  std::optional<std::string> Read(std::string_view name) const override;
  void Write(std::string_view name, std::string_view value) override;
  void Remove(std::string_view name) override;

  static constexpr DWORD kMaxValue = 1024;

private:
  std::wstring key_;
};

}  // namespace celforo::win32
