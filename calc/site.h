// Where the observer stands: latitude, longitude and height, and the reader
// of "LAT,LON[,HEIGHT]" that celforo-calc's --site takes.
#pragma once

#include <string_view>

#include "calc/quantity_rules.h"
#include "calc/strict_number.h"

namespace celforo {

struct Site {
  double latitude = 0;   // degrees, north positive, -90..90
  double longitude = 0;  // degrees, east positive, -180..180
  double height = 0;     // metres above sea level, -500..9000
};

enum class SitePart { Latitude, Longitude, Height };

// Why a site text gives no site.
enum class SiteFault {
  None,
  PartCount,  // not two or three parts between commas: "45.07", "45,07,7,69,240"
  Number      // a part is not a number its rule allows: `part` and `number` say which and why
};

struct SiteReading {
  Site site;  // meaningful when fault is None
  SiteFault fault = SiteFault::None;
  SitePart part = SitePart::Latitude;      // with SiteFault::Number
  NumberFault number = NumberFault::None;  // with SiteFault::Number
};

// Reads "LAT,LON" or "LAT,LON,HEIGHT", decimal degrees and metres, each part
// by ReadStrictNumber with its rule (quantity_rules.h: kLatitudeRule,
// kLongitudeRule, kHeightRule): "45.07,7.69,240" is Turin, 240 m up;
// "-33.87, 151.21" is Sydney at sea level. "45.07,,240" is a Longitude fault
// (Empty); "95,7.69" a Latitude fault (OutOfRange); "" a Latitude fault
// (Empty).
SiteReading ReadSite(std::string_view text);

}  // namespace celforo
