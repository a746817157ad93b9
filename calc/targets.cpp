#include "calc/targets.h"

namespace celforo {
namespace {

// Whether `text` is `lowerName` in any case of ASCII letters.
bool SameNameIgnoringCase(std::string_view text, std::string_view lowerName) {
  if (text.size() != lowerName.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lowerName[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<Target> TargetByName(std::string_view name) {
  for (const TargetRecord& record : kTargets) {
    if (SameNameIgnoringCase(name, record.englishName) ||
        SameNameIgnoringCase(name, record.italianName)) {
      return record.target;
    }
  }
  return std::nullopt;
}

}  // namespace celforo
