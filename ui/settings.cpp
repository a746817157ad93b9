#include "ui/settings.h"

namespace celforo {

std::optional<Theme> ThemeFromSetting(std::string_view stored) {
  if (stored == "1") return Theme::Night;
  if (stored == "0") return Theme::Day;
  return std::nullopt;
}

std::string_view SettingOfTheme(Theme theme) {
  return theme == Theme::Night ? "1" : "0";
}

Theme StoredTheme(const SettingsStore& store) {
  const std::optional<std::string> stored = store.Read(kNightSetting);
  if (!stored) return Theme::Day;
  return ThemeFromSetting(*stored).value_or(Theme::Day);
}

}  // namespace celforo
