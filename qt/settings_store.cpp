#include "qt/settings_store.h"

#include "qt/qt_text.h"

namespace celforo::qt {

SettingsFile::SettingsFile()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("celforo"),
                QStringLiteral("celforo")) {}

std::optional<std::string> SettingsFile::Read(std::string_view name) const {
  // Only a text is a value the program wrote; a list, a number or anything
  // else a hand or a fault put there is none.
  const QVariant value = settings_.value(ToQString(name));
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  return value.toString().toStdString();
}

void SettingsFile::Write(std::string_view name, std::string_view value) {
  settings_.setValue(ToQString(name), ToQString(value));
  settings_.sync();  // now, so that a program ended any way keeps the choice
}

void SettingsFile::Remove(std::string_view name) {
  settings_.remove(ToQString(name));
  settings_.sync();
}

}  // namespace celforo::qt
