#include "calc/rise_set.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "calc/angles.h"

namespace celforo {
namespace {

constexpr Days kPrecision = std::chrono::seconds(1);

// The altitude above the horizon a crossing is sought for.
double Above(const SkyTrack::Local& local, double risingAltitude, HorizonKind kind,
             double fixedAltitude) {
  return local.trueAltitude - (kind == HorizonKind::Rising ? risingAltitude : fixedAltitude);
}

double Above(const TrackSample& sample, HorizonKind kind, double fixedAltitude) {
  return sample.trueAltitude -
         (kind == HorizonKind::Rising ? sample.risingAltitude : fixedAltitude);
}

// The zero of f between `low`, where f has the sign of `lowPositive`, and
// `high`, by bisection to kPrecision.
template <typename F>
UniversalTime Bisected(UniversalTime low, UniversalTime high, bool lowPositive, F f) {
  while (high - low > kPrecision) {
    const UniversalTime middle = low + (high - low) / 2.0;
    if ((f(middle) > 0) == lowPositive) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low + (high - low) / 2.0;
}

SkyEvent EventAt(const SkyTrack& track, UniversalTime time) {
  return {EventState::Happens, time, track.ApparentAltitude(time)};
}

// The first crossing of the wanted direction within the samples, or why
// there is none: the samples all above, all below, or both.
SkyEvent FirstCrossing(const SkyTrack& track, const std::vector<TrackSample>& samples,
                       const std::vector<Crossing>& crossings, bool rising, HorizonKind kind,
                       double fixedAltitude) {
  for (const Crossing& crossing : crossings) {
    if (crossing.rising == rising) return EventAt(track, crossing.time);
  }
  const auto above = [&](const TrackSample& s) { return Above(s, kind, fixedAltitude) > 0; };
  SkyEvent none;
  if (std::all_of(samples.begin(), samples.end(), above)) {
    none.state = EventState::AlwaysAbove;
  } else if (std::none_of(samples.begin(), samples.end(), above)) {
    none.state = EventState::AlwaysBelow;
  }
  return none;
}

}  // namespace

std::vector<TrackSample> SampleTrack(const SkyTrack& track, TimeSpan span, Days step) {
  std::vector<TrackSample> samples;
  const auto count = static_cast<std::size_t>(std::ceil((span.end - span.start) / step));
  samples.reserve(count + 1);
  for (std::size_t i = 0; i <= count; ++i) {
    const UniversalTime time = i == count ? span.end : span.start + static_cast<double>(i) * step;
    const SkyTrack::Local local = track.LocalAt(time);
    samples.push_back({time, local.trueAltitude, local.hourAngle, track.RisingAltitude(local)});
  }
  return samples;
}

std::vector<Crossing> CrossingsOf(const SkyTrack& track, const std::vector<TrackSample>& samples,
                                  HorizonKind kind, double fixedAltitude) {
  std::vector<Crossing> crossings;
  const auto f = [&](UniversalTime time) {
    const SkyTrack::Local local = track.LocalAt(time);
    const double rising = kind == HorizonKind::Rising ? track.RisingAltitude(local) : 0;
    return Above(local, rising, kind, fixedAltitude);
  };
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const bool before = Above(samples[i - 1], kind, fixedAltitude) > 0;
    const bool after = Above(samples[i], kind, fixedAltitude) > 0;
    if (before == after) continue;
    crossings.push_back({Bisected(samples[i - 1].time, samples[i].time, before, f), after});
  }
  return crossings;
}

// The hour angle runs from -180 to 180 and wraps back at the lower transit:
// an upper transit is a rise through 0 between small angles, a lower one
// the wrap from near 180 to near -180.
std::vector<UniversalTime> TransitsOf(const SkyTrack& track,
                                      const std::vector<TrackSample>& samples, bool upper) {
  std::vector<UniversalTime> transits;
  const auto turned = [upper](double hourAngle) {
    return upper ? hourAngle : Remainder(hourAngle + 180.0, 360.0);
  };
  const auto f = [&](UniversalTime time) { return turned(track.LocalAt(time).hourAngle); };
  for (std::size_t i = 1; i < samples.size(); ++i) {
    const double before = turned(samples[i - 1].hourAngle);
    const double after = turned(samples[i].hourAngle);
    if (before < 0 && after >= 0 && after - before < 90) {
      transits.push_back(Bisected(samples[i - 1].time, samples[i].time, false, f));
    }
  }
  return transits;
}

RiseTransitSet RiseTransitSetOf(const SkyTrack& track, TimeSpan day) {
  const std::vector<TrackSample> samples = SampleTrack(track, day);
  const std::vector<Crossing> crossings = CrossingsOf(track, samples, HorizonKind::Rising);
  RiseTransitSet events;
  events.rise = FirstCrossing(track, samples, crossings, true, HorizonKind::Rising, 0);
  events.set = FirstCrossing(track, samples, crossings, false, HorizonKind::Rising, 0);
  const std::vector<UniversalTime> transits = TransitsOf(track, samples, true);
  if (!transits.empty()) events.transit = EventAt(track, transits.front());
  return events;
}

RiseTransitSet RiseTransitSetOf(Target target, const Site& site, TimeSpan day) {
  return RiseTransitSetOf(SkyTrack(target, site, day), day);
}

std::array<Twilight, 3> TwilightsOf(const SkyTrack& sunTrack, TimeSpan day) {
  const std::vector<TrackSample> samples = SampleTrack(sunTrack, day);
  std::array<Twilight, 3> twilights;
  for (std::size_t i = 0; i < kTwilightDepths.size(); ++i) {
    const double altitude = -kTwilightDepths[i];
    const std::vector<Crossing> crossings =
        CrossingsOf(sunTrack, samples, HorizonKind::Fixed, altitude);
    twilights[i].dawn =
        FirstCrossing(sunTrack, samples, crossings, true, HorizonKind::Fixed, altitude);
    twilights[i].dusk =
        FirstCrossing(sunTrack, samples, crossings, false, HorizonKind::Fixed, altitude);
  }
  return twilights;
}

}  // namespace celforo
