#include "calc/site.h"

#include <array>
#include <cstddef>

namespace celforo {

SiteReading ReadSite(std::string_view text) {
  SiteReading reading;
  std::array<std::string_view, 3> parts;
  std::size_t count = 0;
  std::string_view rest = text;
  while (true) {
    const std::size_t comma = rest.find(',');
    if (count == parts.size()) {
      reading.fault = SiteFault::PartCount;
      return reading;
    }
    parts[count++] = rest.substr(0, comma);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (count == 1 && TrimBlanks(parts[0]).empty()) {
    reading.fault = SiteFault::Number;
    reading.number = NumberFault::Empty;
    return reading;
  }
  if (count < 2) {
    reading.fault = SiteFault::PartCount;
    return reading;
  }
  const struct {
    SitePart part;
    NumberRule rule;
    double Site::*value;
  } kParts[] = {{SitePart::Latitude, kLatitudeRule, &Site::latitude},
                {SitePart::Longitude, kLongitudeRule, &Site::longitude},
                {SitePart::Height, kHeightRule, &Site::height}};
  for (std::size_t i = 0; i < count; ++i) {
    const NumberReading number = ReadStrictNumber(parts[i], kParts[i].rule);
    if (number.fault != NumberFault::None) {
      reading = SiteReading{};
      reading.fault = SiteFault::Number;
      reading.part = kParts[i].part;
      reading.number = number.fault;
      return reading;
    }
    reading.site.*kParts[i].value = number.value;
  }
  return reading;
}

}  // namespace celforo
