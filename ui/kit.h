// The user's kit: named telescopes, eyepieces and cameras, each kind a list
// of at most kMostKitEntries, kept in the program's settings store (the
// panel's STRUMENTI section shows and fills them).
//
// Each entry is a value of its own, a JSON object in a slot of its kind:
//   kit/Telescope1 = {"name":"C8","focal_length":2032,"aperture":203.2}
//   kit/Eyepiece1  = {"name":"Plössl 10","focal_length":10,"field_stop":9.2}
//   kit/Camera1    = {"name":"ASI462","pixel_size":2.9,"width":1936,"height":1096,"colour":true}
// so that an entry that does not read back whole is skipped and named alone,
// and never takes another with it. Loading reads each slot once: at most 300
// reads of the store, and no write.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/plan_columns.h"
#include "calc/sensors.h"
#include "ui/settings.h"

namespace celforo {

inline constexpr std::size_t kMostKitEntries = 100;
inline constexpr std::size_t kMostKitNameCharacters = 40;

// Lengths in the unit of Form1's lengths; the field stop in millimetres.
struct Telescope {
  std::string name;
  double focalLength = 0;  // FOC. OBBIETTIVO
  double aperture = 0;     // DIAMETRO OBIETTIVO
  bool operator==(const Telescope&) const = default;
};

struct Eyepiece {
  std::string name;
  double focalLength = 0;           // FOC. OCULARE
  std::optional<double> fieldStop;  // where the maker publishes it
  bool operator==(const Eyepiece&) const = default;
};

struct Camera {
  std::string name;
  double pixelSize = 0;  // PIXEL, micrometres
  SensorPixels sensor;   // SENSORE, whole pixels
  SensorColour colour = SensorColour::Colour;
  bool operator==(const Camera&) const = default;
};

enum class KitKind { Telescope, Eyepiece, Camera };

// The name a typed text gives, spaces and tabs at both ends taken off, or
// why it cannot name an entry: " C8 " is "C8"; "" (or blanks alone), more
// than kMostKitNameCharacters characters (of UTF-8, not bytes), a text that
// is not UTF-8, a control character and "—" (the lists' item for none) are
// refused.
struct KitName {
  std::string name;     // meaningful when problem is empty
  std::string problem;  // "a name of at most 40 characters is needed, got 41"
};
KitName ReadKitName(std::string_view typed);

// A stored entry that was skipped on loading: its key in the store and why.
struct SkippedKitEntry {
  std::string key;     // "kit/Telescope3"
  std::string reason;  // "\"aperture\": expected a number above 0, got -5"
};

class Kit {
public:
  // The entries kept in `store` under `prefix` ("kit/Telescope1" ...
  // "kit/Camera100"); nothing is read until Load.
  explicit Kit(SettingsStore& store, std::string prefix = "kit/");

  // Reads every slot of every kind afresh. An entry that is not JSON, lacks
  // a value, holds one out of range or a key it should not, or repeats the
  // name of an entry before it, is skipped and named in Skipped().
  void Load();

  // In the order of their slots: the order saved, where none was removed.
  const std::vector<Telescope>& Telescopes() const { return telescopes_.entries; }
  const std::vector<Eyepiece>& Eyepieces() const { return eyepieces_.entries; }
  const std::vector<Camera>& Cameras() const { return cameras_.entries; }
  const std::vector<SkippedKitEntry>& Skipped() const { return skipped_; }

  // Keeps `entry` under its name (as ReadKitName makes it), in place of the
  // entry of that name if there is one, else in a free slot (or in the slot
  // of a skipped entry, when no other is free). Nothing, or why it was not
  // kept: a name ReadKitName refuses, a value out of range (the lengths and
  // pixel size above zero, the pixels whole, from 1 to 1,000,000), or
  // kMostKitEntries of the kind already.
  std::optional<std::string> Save(const Telescope& entry);
  std::optional<std::string> Save(const Eyepiece& entry);
  std::optional<std::string> Save(const Camera& entry);

  // Removes the entry of `kind` named `name` from the list and the store;
  // false when there is none.
  bool Remove(KitKind kind, std::string_view name);

  // The entry as stored, and an entry read back from a stored text or the
  // reason it is skipped (without the key): what Load and Save use.
  static std::string EntryText(const Telescope& entry);
  static std::string EntryText(const Eyepiece& entry);
  static std::string EntryText(const Camera& entry);
  template <typename Entry>
  static std::optional<Entry> ReadEntry(std::string_view text, std::string& reason);

private:
  // One kind: its entries in slot order, the slot of each, and the slots
  // whose entries were skipped.
  template <typename Entry>
  struct List {
    std::vector<Entry> entries;
    std::vector<std::size_t> slotOf;   // each entry's, from 1 (not "slots", which Qt defines)
    std::vector<std::size_t> skipped;  // from 1
  };

  template <typename Entry>
  void LoadList(List<Entry>& list);
  template <typename Entry>
  std::optional<std::string> SaveIn(List<Entry>& list, Entry entry);
  template <typename Entry>
  bool RemoveFrom(List<Entry>& list, std::string_view name);

  template <typename Entry>
  std::string SlotKey(std::size_t slot) const;

  SettingsStore& store_;
  std::string prefix_;
  List<Telescope> telescopes_;
  List<Eyepiece> eyepieces_;
  List<Camera> cameras_;
  std::vector<SkippedKitEntry> skipped_;
};

}  // namespace celforo
