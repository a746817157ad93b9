// The sensor list compiled in from data/sensors.csv: each row checked.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <utility>

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
  EXPECT_GE(sensors.size(), 30u);
  std::set<std::string> names;
  // The sensor first, so that the list is searched by it, then the camera the
  // figures come from: "IMX585 (INNO-MAKER CAM-IMX585-Mono)".
  const std::regex sensorThenCamera(R"(([A-Z]+[0-9][A-Z0-9]*) \(.+\))");
  std::set<std::pair<std::string, SensorColour>> sensorColours;
  for (std::size_t i = 0; i < sensors.size(); ++i) {
    const Sensor& sensor = sensors[i];
    SCOPED_TRACE(std::string(sensor.name));
    // A name the kit's lists can hold beside the user's own.
    EXPECT_FALSE(sensor.name.empty());
    EXPECT_LE(sensor.name.size(), 40u);
    EXPECT_TRUE(IsUtf8(sensor.name));
    // Written alike but for case, blanks or hyphens, two rows would be one.
    EXPECT_TRUE(names.insert(Folded(sensor.name)).second) << "named twice";
    std::match_results<std::string_view::const_iterator> parts;
    ASSERT_TRUE(std::regex_match(sensor.name.begin(), sensor.name.end(), parts, sensorThenCamera));
    // One row for each sensor and colour: a second would offer the same
    // figures twice under another camera's name.
    EXPECT_TRUE(sensorColours.insert({parts[1].str(), sensor.colour}).second)
        << "a second row for the same sensor and colour";
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
  // Rows as their makers' pages give them, read through the table the build
  // makes from the file: the largest sensor and the smallest pixels, a mono
  // and a colour camera of one sensor, and the pixel sizes between.
  struct Row {
    const char* name;
    double pixelSize;
    int width;
    int height;
    SensorColour colour;
  };
  const Row rows[] = {
      // https://www.qhyccd.com/qhy461ph: 11760*8896, 3.76 um, mono only.
      {"IMX461 (QHY461PH)", 3.76, 11760, 8896, SensorColour::Mono},
      // INNO-MAKER's manual: 3840 x 2160, 2.9 um, a mono and a colour module.
      {"IMX585 (INNO-MAKER CAM-IMX585-Mono)", 2.9, 3840, 2160, SensorColour::Mono},
      {"IMX585 (INNO-MAKER CAM-IMX585-Color)", 2.9, 3840, 2160, SensorColour::Colour},
      // Framos: 3840 x 2160 (4K / 8MP), 2 x 2 um, colour (RGB).
      {"IMX678 (Framos FSM:GO IMX678C)", 2, 3840, 2160, SensorColour::Colour},
      // Hikrobot's datasheet: Sony IMX178, 2.4 um x 2.4 um, 3072 x 2048, a
      // mono (UM) and a colour (UC) camera.
      {"IMX178 (Hikrobot MV-CB060-10UM)", 2.4, 3072, 2048, SensorColour::Mono},
      {"IMX178 (Hikrobot MV-CB060-10UC)", 2.4, 3072, 2048, SensorColour::Colour},
      // Balluff: IMX183, 5544 (H) x 3692 (V) effective pixels of 2.4 um,
      // measured on the grey scale version.
      {"IMX183 (mvBlueFOX3-2205 grey)", 2.4, 5544, 3692, SensorColour::Mono},
      // Balluff: 1280 (H) x 960 (V), 3.75 um, the 1012dG grey.
      {"MT9M034 (mvBlueFOX3-1012dG)", 3.75, 1280, 960, SensorColour::Mono},
      // Basler: 1456 x 1088 full resolution (1440 x 1080 by default), 3.45
      // um, a colour ace and a mono dart camera.
      {"IMX273 (Basler acA1440-220uc)", 3.45, 1456, 1088, SensorColour::Colour},
      {"IMX273 (Basler daA1440-220um)", 3.45, 1456, 1088, SensorColour::Mono},
      // Basler: Sony IMX249LQJ-C, 1936 x 1216 full resolution (1920 x 1200 by
      // default), 5.86 x 5.86 um, colour.
      {"IMX249 (Basler acA1920-40uc)", 5.86, 1936, 1216, SensorColour::Colour},
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
