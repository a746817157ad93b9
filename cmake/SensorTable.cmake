# Turns data/sensors.csv into the C++ table of calc/sensors.h, so that the
# CSV stays the one source of the sensor list. Run as a script:
#   cmake -DCSV=data/sensors.csv -DOUT=build/.../sensor_table.cpp -P SensorTable.cmake
# A row that is not NAME,PIXEL_UM,WIDTH,HEIGHT,colour|mono,https://SOURCE
# stops the build, naming its line.
cmake_minimum_required(VERSION 3.25)  # quoted words in if() are words, not variables
file(STRINGS ${CSV} lines ENCODING UTF-8)
set(rows "")
set(sources "")
set(count 0)
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line MATCHES "^#" OR line STREQUAL "" OR line_number EQUAL 1)
    continue()  # a comment, a blank line or the caption line
  endif()
  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL 6)
    message(FATAL_ERROR "${CSV}:${line_number}: expected 6 fields, got ${field_count}")
  endif()
  list(GET fields 0 name)
  list(GET fields 1 pixel)
  list(GET fields 2 width)
  list(GET fields 3 height)
  list(GET fields 4 colour)
  list(GET fields 5 source)
  if(name STREQUAL "" OR name MATCHES "[\"\\\\]")
    message(FATAL_ERROR "${CSV}:${line_number}: a name without quotes or backslashes is needed")
  endif()
  if(NOT pixel MATCHES "^[0-9]+(\\.[0-9]+)?$")
    message(FATAL_ERROR "${CSV}:${line_number}: pixel size ${pixel} is not a number of micrometres")
  endif()
  if(NOT width MATCHES "^[1-9][0-9]*$" OR NOT height MATCHES "^[1-9][0-9]*$")
    message(FATAL_ERROR "${CSV}:${line_number}: ${width} x ${height} are not whole pixels")
  endif()
  if(colour STREQUAL "colour")
    set(colour_value SensorColour::Colour)
  elseif(colour STREQUAL "mono")
    set(colour_value SensorColour::Mono)
  else()
    message(FATAL_ERROR "${CSV}:${line_number}: expected colour or mono, got ${colour}")
  endif()
  if(NOT source MATCHES "^https://[^ \"\\\\]+$")
    message(FATAL_ERROR "${CSV}:${line_number}: the source must be an https address")
  endif()
  string(APPEND rows "    {\"${name}\", ${pixel}, ${width}, ${height}, ${colour_value}},\n")
  string(APPEND sources "    \"${source}\",\n")
  math(EXPR count "${count} + 1")
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${CSV}: no sensor")
endif()

set(text "// Made from ${CSV} by cmake/SensorTable.cmake: edit the CSV, not this file.
#include <array>

#include \"calc/sensors.h\"

namespace celforo {
namespace {

constexpr std::array<Sensor, ${count}> kSensors{{
${rows}}};

constexpr std::array<std::string_view, ${count}> kSources{{
${sources}}};

}  // namespace

std::span<const Sensor> Sensors() {
  return kSensors;
}

std::string_view SensorSource(std::size_t index) {
  return index < kSources.size() ? kSources[index] : std::string_view{};
}

}  // namespace celforo
")
# Written only when it changes, so that nothing is rebuilt for nothing.
if(EXISTS ${OUT})
  file(READ ${OUT} old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE ${OUT} "${text}")
