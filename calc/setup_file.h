// A set-up as JSON text, the one format of set-up files and links: written
// from a Setup, and read back into one or refused with the reason.
//
//   {
//     "version": 1,
//     "objective_focal_length": 2500,
//     "eyepiece_focal_length": 5,
//     "eyepiece_extraction": 2.5,
//     "aperture": 250,
//     "pixel_size": 3.75,
//     "sensor": {"width": 1280, "height": 960},
//     "wavelength": 550,
//     "target": "jupiter",
//     "solve": {"aim": "sampling", "value": 2},
//     "site": {"latitude": 45.07, "longitude": 7.69, "height": 240},
//     "field_stop": 4.5,
//     "band": {"from": 400, "to": 700},
//     "min_altitude": 30,
//     "grs_longitude": 62
//   }
//
// Every key but "version" may be left out; inside "sensor", "solve", "site"
// and "band" every key is needed but the site's "height" (0 when left out).
// The units are those of Setup. "target" is a body's English name
// (TargetByName's names are all read); "aim" is "focal_ratio",
// "image_scale", "sampling" or "target_pixels". The date is never part of a
// set-up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/json_text.h"
#include "calc/setup.h"

namespace celforo {

inline constexpr int kSetupVersion = 1;
// The longest set-up text read, in bytes: 64 KiB.
inline constexpr std::size_t kMostSetupBytes = kMostJsonBytes;

enum class SetupLayout {
  Indented,  // a key to a line, as above, ending in a line feed: for files
  Compact,   // no white space at all: {"version":1,"aperture":250}, for links
};

// The set-up as JSON, its keys in the order above, numbers as the shortest
// text that reads back as the same double (ShortestText). A value that its
// key's range refuses (an infinite length, an aperture of 0, a latitude of
// 91) is left out, so that what is written always reads back: ReadSetup of
// WriteSetup(s) is s for any set-up of values in range.
std::string WriteSetup(const Setup& setup, SetupLayout layout = SetupLayout::Indented);

// Why a text is not a set-up. Checked in this order: its size, its syntax,
// its version, then each key as written.
enum class SetupFault {
  TooLarge,      // more than kMostSetupBytes
  NotJson,       // not JSON text: "{\"version\": 1,}"
  NotAnObject,   // JSON, but not an object: "[1]"
  NoVersion,     // no "version" key: "{}"
  OtherVersion,  // "version" other than kSetupVersion: "{\"version\": 2}"
  UnknownKey,    // a key this version has not: "{\"version\": 1, \"zoom\": 2}"
  WrongType,     // "{\"version\": 1, \"aperture\": \"250\"}"
  OutOfRange,    // "{\"version\": 1, \"aperture\": 0}", an unknown target or aim
  Missing,       // "{\"version\": 1, \"sensor\": {\"width\": 1280}}"
  NotALink,      // a link's fragment that is not "#setup=" and base64url (setup_link.h)
};

struct SetupProblem {
  SetupFault fault = SetupFault::NotJson;
  std::string key;        // the key to blame, "site.latitude"; empty where none is
  TextPosition position;  // where the fault lies in the text
  // The whole reason, in English, the position first where there is one:
  // "line 5, column 17: \"pixel_size\": expected a number above 0, got -3.75".
  std::string reason;
};

using SetupReading = std::variant<Setup, SetupProblem>;

// The set-up `text` describes, or the first reason it is refused. Reading
// changes nothing anywhere: a caller applies a set-up only once it has one.
SetupReading ReadSetup(std::string_view text);

}  // namespace celforo
