// The settings store faked in memory, for the suites of what the windows
// remember: every write and removal logged, reads counted.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/settings.h"

namespace celforo {

// `readable` false is a store that cannot be read at all.
class MemoryStore : public SettingsStore {
public:
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::string> writes;  // "name=value", and "-name" for a removal
  mutable std::size_t reads = 0;
  bool readable = true;

  std::optional<std::string> Read(std::string_view name) const override {
    ++reads;
    const auto found = values.find(name);
    if (!readable || found == values.end()) return std::nullopt;
    return found->second;
  }
  void Write(std::string_view name, std::string_view value) override {
    writes.push_back(std::string(name) + "=" + std::string(value));
    values[std::string(name)] = value;
  }
  void Remove(std::string_view name) override {
    writes.push_back("-" + std::string(name));
    const auto found = values.find(name);
    if (found != values.end()) values.erase(found);
  }
};

}  // namespace celforo
