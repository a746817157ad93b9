#include "calc/galilean_events.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace celforo {
namespace {

constexpr double kStepDays = 1.0 / 1440.0;  // a minute: no phenomenon is that short but a graze
constexpr double kSecondDays = 1.0 / 86400.0;

// The four states of a moon whose beginnings and ends are events, in the
// order of MoonEventKind's pairs.
using States = std::array<std::array<bool, 4>, 4>;

States StatesAt(const std::array<GalileanMoonView, 4>& views) {
  States states{};
  for (std::size_t i = 0; i < views.size(); ++i) {
    states[i] = {views[i].inTransit, views[i].shadow.has_value(), views[i].occulted,
                 views[i].eclipsed};
  }
  return states;
}

}  // namespace

// Sampled every minute; a change between two samples is narrowed by halving
// to under a second.
std::vector<MoonEvent> GalileanMoonEvents(double fromTT, double days, SightSource sightAt) {
  std::vector<MoonEvent> events;
  const auto statesAt = [&](double tt) { return StatesAt(GalileanMoonViews(sightAt(tt))); };
  const int steps = static_cast<int>(std::ceil(days / kStepDays));
  double before = fromTT;
  States previous = statesAt(before);
  for (int step = 1; step <= steps; ++step) {
    const double after = fromTT + std::min(days, step * kStepDays);
    const States current = statesAt(after);
    for (std::size_t moon = 0; moon < current.size(); ++moon) {
      for (std::size_t state = 0; state < current[moon].size(); ++state) {
        if (current[moon][state] == previous[moon][state]) continue;
        double low = before, high = after;
        while (high - low > kSecondDays) {
          const double middle = (low + high) / 2;
          (statesAt(middle)[moon][state] == previous[moon][state] ? low : high) = middle;
        }
        const double when = (low + high) / 2;
        const GalileanMoonView view = GalileanMoonViews(sightAt(when))[moon];
        MoonEvent event;
        event.julianDayTT = when;
        event.moon = static_cast<GalileanMoon>(moon);
        event.kind = static_cast<MoonEventKind>(2 * state + (current[moon][state] ? 0 : 1));
        if (state == 3) event.visible = !view.occulted;
        if (state == 2) event.visible = !view.eclipsed;
        events.push_back(event);
      }
    }
    previous = current;
    before = after;
  }
  std::stable_sort(events.begin(), events.end(), [](const MoonEvent& a, const MoonEvent& b) {
    return a.julianDayTT < b.julianDayTT;
  });
  return events;
}

}  // namespace celforo
