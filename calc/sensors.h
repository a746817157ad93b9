// The cameras and sensors used for planetary, lunar and solar imaging, from
// data/sensors.csv, which the build compiles in (cmake/SensorTable.cmake):
// each row's name, pixel size, pixels across and up, colour or mono, and the
// published page its figures were checked against.
//
//   name,pixel_um,width,height,colour,source
//   ZWO ASI224MC,3.75,1304,976,colour,https://...
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace celforo {

enum class SensorColour { Colour, Mono };

struct Sensor {
  std::string_view name;  // "ZWO ASI224MC"
  double pixelSize;       // micrometres: 3.75
  int width;              // pixels across: 1304
  int height;             // pixels up: 976
  SensorColour colour;
};

// The rows in the order of the file.
std::span<const Sensor> Sensors();

// The address the row at `index` of Sensors() was checked against, kept apart
// so that a program that never shows it carries none.
std::string_view SensorSource(std::size_t index);

// The row named exactly `name`, or nothing: "ZWO ASI224MC".
std::optional<Sensor> SensorByName(std::string_view name);

}  // namespace celforo
