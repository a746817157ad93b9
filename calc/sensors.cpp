#include "calc/sensors.h"

#include <algorithm>

namespace celforo {

std::optional<Sensor> SensorByName(std::string_view name) {
  const std::span<const Sensor> sensors = Sensors();
  const auto found = std::find_if(sensors.begin(), sensors.end(),
                                  [&](const Sensor& sensor) { return sensor.name == name; });
  if (found == sensors.end()) return std::nullopt;
  return *found;
}

}  // namespace celforo
