// What the windows remember between runs: texts under names, kept in the
// platform's own store (QSettings on Linux, the registry on Windows), and how
// each is read back. A value that is missing or not one the program writes is
// no choice at all, never a failure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/palette.h"

namespace celforo {

class SettingsStore {
public:
  // The text stored under `name`; nothing when there is none, or when what is
  // there is not a text the store can give.
  virtual std::optional<std::string> Read(std::string_view name) const = 0;

  // Stores `value` under `name`. A store that cannot be written leaves the
  // value unremembered, and the window goes on.
  virtual void Write(std::string_view name, std::string_view value) = 0;

  // Forgets what is stored under `name`, if anything; as Write, a store that
  // cannot be written keeps it, and the window goes on.
  virtual void Remove(std::string_view name) = 0;

protected:
  ~SettingsStore() = default;
};

// Night mode, as the page stores it too: "1" at night, "0" by day.
inline constexpr std::string_view kNightSetting = "Night";

// The theme a stored text chooses: "1" night, "0" day, anything else none.
std::optional<Theme> ThemeFromSetting(std::string_view stored);
std::string_view SettingOfTheme(Theme theme);

// The theme remembered in `store`, or day.
Theme StoredTheme(const SettingsStore& store);

}  // namespace celforo
