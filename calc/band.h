// A band of wavelengths, the colours a camera records, over which the air's
// dispersion is reckoned; and the reader of "FROM-TO" that celforo-calc's
// --band takes.
#pragma once

#include <string_view>

#include "calc/quantity_rules.h"
#include "calc/strict_number.h"

namespace celforo {

// Wavelengths in nanometres, `from` below `to`: a colour camera's 400-700 by
// default.
struct Band {
  double from = 400;
  double to = 700;
};
inline constexpr Band kDefaultBand{};

enum class BandPart { From, To };

// Why a band text gives no band.
enum class BandFault {
  None,
  PartCount,  // not two numbers joined by one "-": "550", "400-500-700"
  Number,     // an end is not a number its rule allows: `part` and `number` say which and why
  Order,      // FROM is not below TO: "700-400", "550-550"
};

struct BandReading {
  Band band;  // meaningful when fault is None
  BandFault fault = BandFault::None;
  BandPart part = BandPart::From;          // with BandFault::Number
  NumberFault number = NumberFault::None;  // with BandFault::Number
};

// Reads "FROM-TO", each end by ReadStrictNumber with kBandRule:
// "400-700" is the default band, " 656 - 672 " a narrow one about H-alpha;
// "400-1200" is a To fault (OutOfRange), "700-400" an Order fault.
BandReading ReadBand(std::string_view text);

}  // namespace celforo
