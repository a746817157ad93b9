// The cameras and sensors used for planetary, lunar and solar imaging, from
// data/sensors.csv, which the build compiles in (cmake/SensorTable.cmake):
// each row's name (the sensor, then the camera whose maker's page gives the
// figures), pixel size, pixels across and up, colour or mono, and that page.
//
//   name,pixel_um,width,height,colour,source
//   IMX585 (INNO-MAKER CAM-IMX585-Mono),2.9,3840,2160,mono,https://...
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace celforo {

enum class SensorColour { Colour, Mono };

struct Sensor {
  std::string_view name;  // "IMX585 (INNO-MAKER CAM-IMX585-Mono)"
  double pixelSize;       // micrometres: 2.9
  int width;              // pixels across: 3840
  int height;             // pixels up: 2160
  SensorColour colour;
};

// The rows in the order of the file.
std::span<const Sensor> Sensors();

// The address the row at `index` of Sensors() was checked against, kept apart
// so that a program that never shows it carries none.
std::string_view SensorSource(std::size_t index);

// The row named exactly `name`, or nothing: "IMX585 (INNO-MAKER CAM-IMX585-Mono)".
std::optional<Sensor> SensorByName(std::string_view name);

}  // namespace celforo
