// The sensor list compiled in from data/sensors.csv: each row checked.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>
#include <string>

#include "calc/json_text.h"
#include "calc/sensors.h"

namespace celforo {
namespace {

std::string Folded(std::string_view name) {
  std::string folded;
  for (const char c : name) {
    if (c != ' ' && c != '-')
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

TEST(Sensors, EachRowIsAPlausibleSensorWithItsSource) {
  const std::span<const Sensor> sensors = Sensors();
  EXPECT_GE(sensors.size(), 25u);
  std::set<std::string> names;
  for (std::size_t i = 0; i < sensors.size(); ++i) {
    const Sensor& sensor = sensors[i];
    SCOPED_TRACE(std::string(sensor.name));
    // A name the kit's lists can hold beside the user's own.
    EXPECT_FALSE(sensor.name.empty());
    EXPECT_LE(sensor.name.size(), 40u);
    EXPECT_TRUE(IsUtf8(sensor.name));
    // Written alike but for case, blanks or hyphens, two rows would be one.
    EXPECT_TRUE(names.insert(Folded(sensor.name)).second) << "named twice";
    EXPECT_GT(sensor.pixelSize, 0);
    EXPECT_GT(sensor.width, 0);
    EXPECT_GT(sensor.height, 0);
    // Pixels from 1 to 10 micrometres, and a chip from a phone's to a large
    // format's: a diagonal of 2 to 60 mm.
    EXPECT_GE(sensor.pixelSize, 1);
    EXPECT_LE(sensor.pixelSize, 10);
    const double diagonal = std::hypot(sensor.width, sensor.height) * sensor.pixelSize / 1000;
    EXPECT_GE(diagonal, 2);
    EXPECT_LE(diagonal, 60);
    EXPECT_TRUE(SensorSource(i).starts_with("https://")) << SensorSource(i);
    EXPECT_GT(SensorSource(i).size(), 12u);
    EXPECT_EQ(SensorByName(sensor.name)->width, sensor.width);
  }
  EXPECT_EQ(SensorSource(sensors.size()), "");
  EXPECT_FALSE(SensorByName("no such camera"));
}

TEST(Sensors, CarriesTheFiguresOfItsSourcesIntoTheTable) {
  // A few rows as their makers' pages give them, read through the table the
  // build makes from the file: a colour and a mono model of one sensor, the
  // smallest pixels and the largest.
  struct Row {
    const char* name;
    double pixelSize;
    int width;
    int height;
    SensorColour colour;
  };
  const Row rows[] = {
      {"FLIR BFS-U3-19S4M (Sony IMX430)", 4.5, 1616, 1240, SensorColour::Mono},
      {"FLIR BFS-U3-19S4C (Sony IMX430)", 4.5, 1616, 1240, SensorColour::Colour},
      {"INNO-MAKER CAM-IMX577 (Sony IMX577)", 1.55, 4056, 3040, SensorColour::Colour},
      {"FLIR BFS-U3-04S2M (Sony IMX287)", 6.9, 720, 540, SensorColour::Mono},
      {"mvBlueFOX3-1012dG (Aptina MT9M034)", 3.75, 1280, 960, SensorColour::Mono},
  };
  for (const Row& row : rows) {
    const std::optional<Sensor> sensor = SensorByName(row.name);
    ASSERT_TRUE(sensor) << row.name;
    EXPECT_EQ(sensor->pixelSize, row.pixelSize) << row.name;
    EXPECT_EQ(sensor->width, row.width) << row.name;
    EXPECT_EQ(sensor->height, row.height) << row.name;
    EXPECT_EQ(sensor->colour, row.colour) << row.name;
  }
}

}  // namespace
}  // namespace celforo
