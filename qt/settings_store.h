// What the window remembers between runs, in QSettings: on Linux the file
// ~/.config/celforo/celforo.conf.
#pragma once

#include <QSettings>

#include "ui/settings.h"

namespace celforo::qt {

class SettingsFile final : public SettingsStore {
public:
  SettingsFile();

  std::optional<std::string> Read(std::string_view name) const override;
  void Write(std::string_view name, std::string_view value) override;
  void Remove(std::string_view name) override;

  // Where the values are kept.
  QString fileName() const { return settings_.fileName(); }

private:
  QSettings settings_;
};

}  // namespace celforo::qt
