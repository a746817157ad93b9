#include "calc/band.h"

namespace celforo {

BandReading ReadBand(std::string_view text) {
  BandReading reading;
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos || text.find('-', dash + 1) != std::string_view::npos) {
    reading.fault = BandFault::PartCount;
    return reading;
  }
  const struct {
    BandPart part;
    std::string_view text;
    double Band::*value;
  } kEnds[] = {{BandPart::From, text.substr(0, dash), &Band::from},
               {BandPart::To, text.substr(dash + 1), &Band::to}};
  for (const auto& end : kEnds) {
    const NumberReading number = ReadStrictNumber(end.text, kBandRule);
    if (number.fault != NumberFault::None) {
      reading = BandReading{};
      reading.fault = BandFault::Number;
      reading.part = end.part;
      reading.number = number.fault;
      return reading;
    }
    reading.band.*end.value = number.value;
  }
  if (!(reading.band.from < reading.band.to)) {
    reading = BandReading{};
    reading.fault = BandFault::Order;
  }
  return reading;
}

}  // namespace celforo
