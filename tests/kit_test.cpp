// The kit on a settings store in memory: entries saved, replaced by name,
// removed and read back; names; the limit of each kind; and stored entries
// spoilt every way a hand or a fault can, each skipped and named alone.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/support/memory_store.h"
#include "ui/kit.h"

namespace celforo {
namespace {

const Telescope kC8{"C8", 2032, 203.2};
const Eyepiece kPlossl{"Pl\xC3\xB6ssl 10", 10, 9.2};
const Eyepiece kBarlowless{"Ortho 6", 6, std::nullopt};
const Camera kAsi462{"ASI462", 2.9, {1936, 1096}, SensorColour::Colour};
const Camera kAsi174{"ASI174MM", 5.86, {1936, 1216}, SensorColour::Mono};

std::vector<std::string> Names(const auto& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name);
  return names;
}

TEST(Kit, KeepsEachEntryInASlotOfItsOwnAndReadsThemBack) {
  MemoryStore store;
  Kit kit(store);
  kit.Load();
  EXPECT_TRUE(kit.Telescopes().empty());
  EXPECT_EQ(kit.Save(kC8), std::nullopt);
  EXPECT_EQ(kit.Save(kPlossl), std::nullopt);
  EXPECT_EQ(kit.Save(kBarlowless), std::nullopt);
  EXPECT_EQ(kit.Save(kAsi462), std::nullopt);
  EXPECT_EQ(kit.Save(kAsi174), std::nullopt);
  EXPECT_EQ(store.writes,
            (std::vector<std::string>{
                R"(kit/Telescope1={"name":"C8","focal_length":2032,"aperture":203.2})",
                "kit/Eyepiece1={\"name\":\"Pl\xC3\xB6ssl 10\",\"focal_length\":10,"
                "\"field_stop\":9.2}",
                R"(kit/Eyepiece2={"name":"Ortho 6","focal_length":6})",
                R"(kit/Camera1={"name":"ASI462","pixel_size":2.9,"width":1936,"height":1096,)"
                R"("colour":true})",
                R"(kit/Camera2={"name":"ASI174MM","pixel_size":5.86,"width":1936,"height":1216,)"
                R"("colour":false})",
            }));

  // After a restart.
  Kit again(store);
  store.reads = 0;
  store.writes.clear();
  again.Load();
  EXPECT_EQ(store.reads, 3 * kMostKitEntries) << "each slot read once";
  EXPECT_TRUE(store.writes.empty()) << "loading writes nothing";
  EXPECT_EQ(again.Telescopes(), std::vector<Telescope>{kC8});
  EXPECT_EQ(again.Eyepieces(), (std::vector<Eyepiece>{kPlossl, kBarlowless}));
  EXPECT_EQ(again.Cameras(), (std::vector<Camera>{kAsi462, kAsi174}));
  EXPECT_TRUE(again.Skipped().empty());

  // Under the same name, in place; a new name in the first free slot.
  const Telescope wider{" C8 ", 2000, 203};
  EXPECT_EQ(again.Save(wider), std::nullopt);
  EXPECT_EQ(store.writes.back(),
            R"(kit/Telescope1={"name":"C8","focal_length":2000,"aperture":203})");
  EXPECT_EQ(again.Telescopes(), (std::vector<Telescope>{{"C8", 2000, 203}}));

  // Removed from the list and the store; its slot is the next one filled.
  EXPECT_TRUE(again.Remove(KitKind::Eyepiece, kPlossl.name));
  EXPECT_FALSE(again.Remove(KitKind::Eyepiece, kPlossl.name));
  EXPECT_FALSE(again.Remove(KitKind::Telescope, "Ortho 6"));
  EXPECT_EQ(store.writes.back(), "-kit/Eyepiece1");
  EXPECT_EQ(Names(again.Eyepieces()), std::vector<std::string>{"Ortho 6"});
  EXPECT_EQ(again.Save(Eyepiece{"Plossl 25", 25, 17}), std::nullopt);
  EXPECT_EQ(store.writes.back(),
            R"(kit/Eyepiece1={"name":"Plossl 25","focal_length":25,"field_stop":17})");
  EXPECT_EQ(Names(again.Eyepieces()), (std::vector<std::string>{"Plossl 25", "Ortho 6"}));

  // Another prefix is another kit, as a registry key of its own would be.
  Kit other(store, "");
  EXPECT_EQ(other.Save(kC8), std::nullopt);
  EXPECT_EQ(store.writes.back().substr(0, 11), "Telescope1=");
}

TEST(Kit, RefusesANameOrAValueItCouldNotReadBack) {
  struct Row {
    std::string typed;
    std::string name;  // empty: refused
    std::string problem;
  };
  const Row rows[] = {
      {"C8", "C8", ""},
      {" \tSkywatcher 150/750 ", "Skywatcher 150/750", ""},
      {std::string(40, 'x'), std::string(40, 'x'), ""},
      // Forty characters of two bytes each.
      {[] {
         std::string s;
         for (int i = 0; i < 40; ++i) s += "\xC3\xA9";
         return s;
       }(),
       [] {
         std::string s;
         for (int i = 0; i < 40; ++i) s += "\xC3\xA9";
         return s;
       }(),
       ""},
      {"\"Quoted\\\"", "\"Quoted\\\"", ""},
      {"", "", "a name is needed"},
      {" \t ", "", "a name is needed"},
      {std::string(41, 'x'), "", "a name of at most 40 characters is needed, got 41"},
      {"caf\xE9", "", "a name in UTF-8 is needed"},
      {"two\nlines", "", "a name without control characters is needed"},
      {"bell\x7F", "", "a name without control characters is needed"},
      {"c1\xC2\x85", "", "a name without control characters is needed"},
      {"\xE2\x80\x94", "", "\"\xE2\x80\x94\" stands for none in the lists"},
  };
  for (const Row& row : rows) {
    const KitName name = ReadKitName(row.typed);
    EXPECT_EQ(name.name, row.name) << row.typed;
    EXPECT_EQ(name.problem, row.problem) << row.typed;
  }

  MemoryStore store;
  Kit kit(store);
  kit.Load();
  EXPECT_EQ(kit.Save(Telescope{"", 2032, 203}), "a name is needed");
  EXPECT_EQ(kit.Save(Telescope{"C8", 0, 203}), "the focal length must be a number above 0");
  EXPECT_EQ(kit.Save(Telescope{"C8", 2032, -1}), "the aperture must be a number above 0");
  EXPECT_EQ(kit.Save(Telescope{"C8", std::numeric_limits<double>::infinity(), 203}),
            "the focal length must be a number above 0");
  EXPECT_EQ(kit.Save(Eyepiece{"Ortho 6", 6, 0.0}), "the field stop must be a number above 0");
  EXPECT_EQ(kit.Save(Camera{"Cam", 0, {640, 480}, SensorColour::Mono}),
            "the pixel size must be a number above 0");
  EXPECT_EQ(kit.Save(Camera{"Cam", 3.75, {640.5, 480}, SensorColour::Mono}),
            "the sensor must be whole pixels, from 1 to 1000000 each way");
  EXPECT_EQ(kit.Save(Camera{"Cam", 3.75, {640, 1e7}, SensorColour::Mono}),
            "the sensor must be whole pixels, from 1 to 1000000 each way");
  EXPECT_TRUE(store.writes.empty()) << "nothing refused is stored";
}

TEST(Kit, HoldsAHundredOfEachKind) {
  MemoryStore store;
  Kit kit(store);
  kit.Load();
  for (std::size_t i = 1; i <= kMostKitEntries; ++i)
    ASSERT_EQ(kit.Save(Eyepiece{"E" + std::to_string(i), 10, std::nullopt}), std::nullopt);
  EXPECT_EQ(kit.Save(Eyepiece{"one more", 10, std::nullopt}),
            "already 100 entries of this kind: remove one first");
  EXPECT_EQ(kit.Save(Eyepiece{"E50", 12, std::nullopt}), std::nullopt) << "replacing is no more";
  EXPECT_EQ(kit.Save(kC8), std::nullopt) << "another kind has room of its own";
  Kit again(store);
  again.Load();
  EXPECT_EQ(again.Eyepieces().size(), kMostKitEntries);
  EXPECT_EQ(again.Eyepieces()[49], (Eyepiece{"E50", 12, std::nullopt}));
}

TEST(Kit, SkipsAndNamesEachSpoiltEntryAndKeepsTheOthers) {
  struct Row {
    std::string stored;
    std::string reason;
  };
  const Row rows[] = {
      {"", "not JSON: expected a value at character 1"},
      {R"({"name":"C8","focal_length":2032,"aperture":203.2)",
       "not JSON: expected ',' or '}' at character 50"},
      {"{\"name\":\"C8\",\n\"focal_length\":}",
       "not JSON: expected a value at character 16 of line 2"},
      {"1", "expected an object, got a number"},
      {R"({"focal_length":2032,"aperture":203.2})", "\"name\" is missing"},
      {R"({"name":8,"focal_length":2032,"aperture":203.2})", "\"name\": expected a text"},
      {R"({"name":"","focal_length":2032,"aperture":203.2})", "\"name\": a name is needed"},
      {R"({"name":" C8","focal_length":2032,"aperture":203.2})", "\"name\": blanks around it"},
      {R"({"name":")" + std::string(41, 'x') + R"(","focal_length":2032,"aperture":203.2})",
       "\"name\": a name of at most 40 characters is needed, got 41"},
      {R"({"name":"C8","aperture":203.2})", "\"focal_length\" is missing"},
      {R"({"name":"C8","focal_length":"2032","aperture":203.2})",
       "\"focal_length\": expected a number"},
      {R"({"name":"C8","focal_length":2032,"aperture":-203.2})",
       "\"aperture\": expected a number above 0, got -203.2"},
      {R"({"name":"C8","focal_length":2032,"aperture":1e999})",
       "\"aperture\": expected a number above 0, got 1e999"},
      {R"({"name":"C8","focal_length":2032,"aperture":203.2,"mount":"EQ6"})",
       "unknown key \"mount\""},
      {R"({"name":"C8","focal_length":2032,"aperture":203.2,"name":"C9"})",
       "not JSON: expected a key not given before at character 51"},
  };
  // Each spoilt entry between two good ones, in all three kinds' slots.
  for (const Row& row : rows) {
    MemoryStore store;
    store.values["kit/Telescope1"] = R"({"name":"Newton","focal_length":1200,"aperture":250})";
    store.values["kit/Telescope2"] = row.stored;
    store.values["kit/Telescope100"] = R"({"name":"C8","focal_length":2000,"aperture":203})";
    Kit kit(store);
    kit.Load();
    EXPECT_EQ(Names(kit.Telescopes()), (std::vector<std::string>{"Newton", "C8"})) << row.stored;
    ASSERT_EQ(kit.Skipped().size(), 1u) << row.stored;
    EXPECT_EQ(kit.Skipped()[0].key, "kit/Telescope2");
    EXPECT_EQ(kit.Skipped()[0].reason, row.reason) << row.stored;
  }

  // The kinds' own values, and a name given twice.
  MemoryStore store;
  store.values["kit/Eyepiece1"] = R"({"name":"Ortho 6","focal_length":6,"field_stop":0})";
  store.values["kit/Eyepiece2"] = R"({"name":"Ortho 6","focal_length":6})";
  store.values["kit/Eyepiece3"] = R"({"name":"Ortho 6","focal_length":7})";
  store.values["kit/Camera1"] =
      R"({"name":"A","pixel_size":2.9,"width":1936.5,"height":1096,"colour":true})";
  store.values["kit/Camera2"] =
      R"({"name":"B","pixel_size":2.9,"width":1936,"height":1096,"colour":1})";
  store.values["kit/Camera3"] = R"({"name":"C","pixel_size":2.9,"width":1936,"height":1096})";
  store.values["kit/Camera4"] =
      R"({"name":"D","pixel_size":2.9,"width":1936,"height":0,"colour":false})";
  store.values["kit/Camera101"] =
      R"({"name":"E","pixel_size":2.9,"width":1,"height":1,"colour":false})";
  Kit kit(store);
  kit.Load();
  EXPECT_EQ(kit.Eyepieces(), (std::vector<Eyepiece>{{"Ortho 6", 6, std::nullopt}}));
  EXPECT_TRUE(kit.Cameras().empty()) << "a slot past the hundredth is never read";
  std::vector<std::string> skipped;
  for (const SkippedKitEntry& entry : kit.Skipped())
    skipped.push_back(entry.key + ": " + entry.reason);
  EXPECT_EQ(skipped,
            (std::vector<std::string>{
                "kit/Eyepiece1: \"field_stop\": expected a number above 0, got 0",
                "kit/Eyepiece3: the name \"Ortho 6\" again, kept from kit/Eyepiece2",
                "kit/Camera1: \"width\": expected a whole number from 1 to 1000000, got 1936.5",
                "kit/Camera2: \"colour\": expected true or false",
                "kit/Camera3: \"colour\" is missing",
                "kit/Camera4: \"height\": expected a whole number from 1 to 1000000, got 0",
            }));

  // A skipped entry's slot is taken only when no other is free; it is then
  // no longer named.
  store.writes.clear();
  EXPECT_EQ(kit.Save(Eyepiece{"Plossl 32", 32, 27}), std::nullopt);
  EXPECT_EQ(store.writes.back().substr(0, 15), "kit/Eyepiece4={");
  for (std::size_t i = 5; i <= kMostKitEntries; ++i)
    ASSERT_EQ(kit.Save(Eyepiece{"E" + std::to_string(i), 10, std::nullopt}), std::nullopt);
  EXPECT_EQ(kit.Save(Eyepiece{"last", 10, std::nullopt}), std::nullopt);
  EXPECT_EQ(store.writes.back().substr(0, 15), "kit/Eyepiece1={");
  EXPECT_EQ(kit.Skipped().size(), 5u);
  EXPECT_EQ(kit.Skipped()[0].key, "kit/Eyepiece3");

  // A store that cannot be read is an empty kit.
  MemoryStore closed;
  closed.values = store.values;
  closed.readable = false;
  Kit none(closed);
  none.Load();
  EXPECT_TRUE(none.Eyepieces().empty());
  EXPECT_TRUE(none.Skipped().empty());
}

}  // namespace
}  // namespace celforo
