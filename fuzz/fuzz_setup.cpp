#include "fuzz/fuzz_setup.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "calc/setup_file.h"
#include "calc/setup_link.h"
#include "tests/support/memory_store.h"
#include "ui/kit.h"

namespace celforo::fuzz {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view text) {
  std::fprintf(stderr, "invariant broken: %s: \"%.*s\"\n", what,
               static_cast<int>(text.size() < 400 ? text.size() : 400), text.data());
  std::abort();
}

// A set-up read from anything writes back, in both layouts and as a link, to
// text that reads as the same set-up and writes as the same text.
void CheckReading(const SetupReading& reading, std::string_view text) {
  if (const auto* problem = std::get_if<SetupProblem>(&reading)) {
    if (problem->reason.empty()) Broken("a refusal without a reason", text);
    if (problem->position.line == 0 || problem->position.column == 0)
      Broken("a position before the text", text);
    return;
  }
  const Setup& setup = std::get<Setup>(reading);
  for (const SetupLayout layout : {SetupLayout::Indented, SetupLayout::Compact}) {
    const std::string written = WriteSetup(setup, layout);
    const SetupReading again = ReadSetup(written);
    const auto* read = std::get_if<Setup>(&again);
    if (read == nullptr) Broken("a written set-up refused", written);
    if (!(*read == setup)) Broken("a written set-up read as another", written);
    if (WriteSetup(*read, layout) != written) Broken("a set-up written two ways", written);
  }
  const std::string fragment = SetupFragment(setup);
  const SetupReading linked = ReadSetupFragment(fragment);
  const auto* read = std::get_if<Setup>(&linked);
  if (read == nullptr || !(*read == setup)) Broken("a link that does not carry its set-up", text);
}

// The text stored as an entry of kind `Entry`: kept whole or skipped with a
// reason, never both, and a kept entry stores as text that reads back alike.
template <typename Entry>
void CheckEntry(const char* key, std::string_view text,
                const std::vector<Entry>& (Kit::*list)() const) {
  MemoryStore store;
  store.values[key] = std::string(text);
  Kit kit(store);
  kit.Load();
  const std::size_t kept = (kit.*list)().size();
  if (kept + kit.Skipped().size() != 1) Broken("an entry both kept and skipped", text);
  if (kept == 0) {
    if (kit.Skipped()[0].reason.empty() || kit.Skipped()[0].key != key)
      Broken("an entry skipped without its key or reason", text);
    return;
  }
  const Entry& entry = (kit.*list)()[0];
  std::string reason;
  const std::optional<Entry> again = Kit::ReadEntry<Entry>(Kit::EntryText(entry), reason);
  if (!again || !(*again == entry)) Broken("a kept entry that does not store alike", text);
  if (!store.writes.empty()) Broken("loading wrote to the store", text);
}

}  // namespace

void CheckSetup(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckReading(ReadSetup(text), text);
  CheckReading(ReadSetupFragment(text), text);
  CheckEntry<Telescope>("kit/Telescope1", text, &Kit::Telescopes);
  CheckEntry<Eyepiece>("kit/Eyepiece1", text, &Kit::Eyepieces);
  CheckEntry<Camera>("kit/Camera1", text, &Kit::Cameras);
}

}  // namespace celforo::fuzz
