#include "cli/events.h"

#include <cstddef>

#include "calc/galilean_events.h"
#include "calc/galilean_moons.h"
#include "calc/jupiter_sight.h"
#include "calc/plan_columns.h"
#include "calc/sky_position.h"
#include "cli/field_text.h"

namespace celforo::cli {

std::vector<Row> EventRows(UniversalTime from, const std::optional<Site>& site, bool json) {
  std::vector<Row> rows;
  for (const MoonPhenomenon& phenomenon : GalileanPhenomena(from, kEventsSpan)) {
    if (!phenomenon.visible) continue;
    Row& row = rows.emplace_back();
    row.Add(InstantField(phenomenon.when, json));
    row.Add(WordField(kGalileanMoonNames[static_cast<std::size_t>(phenomenon.moon)], json));
    row.Add(WordField(kMoonEventTexts[static_cast<std::size_t>(phenomenon.kind)], json));
    if (site) {
      const double altitude = PositionFromSite(Target::Jupiter, *site, phenomenon.when).altitude;
      // An altitude is finite, and a measurement is shown whatever its size.
      row.Add(*NumberField(altitude, NumberForm::Measurement, json));
    }
  }
  return rows;
}

}  // namespace celforo::cli
