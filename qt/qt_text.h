// The program's texts, held as UTF-8 string views, as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace celforo::qt {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace celforo::qt
