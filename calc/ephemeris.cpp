#include "calc/ephemeris.h"

#include "calc/date_time.h"

namespace celforo {

// Not computed yet: the positions come next.
std::optional<TargetSize> ApparentSize(Target, double julianDay) {
  if (!InEphemerisRange(julianDay)) return std::nullopt;
  return TargetSize{};
}

}  // namespace celforo
