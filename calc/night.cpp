#include "calc/night.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "calc/date_time.h"

namespace celforo {
namespace {

constexpr Days kHalfDay = std::chrono::hours(12);
constexpr Days kDay = std::chrono::hours(24);
constexpr Days kSampleStep = kSearchStep;
constexpr Days kPrecision = std::chrono::seconds(1);

// The span of `track` that `span` may use: no search runs past the track.
TimeSpan Within(const SkyTrack& track, TimeSpan span) {
  return {std::max(span.start, track.span().start), std::min(span.end, track.span().end)};
}

// The instant in [low, high] where f is greatest, by golden-section search
// from the highest of samples ten minutes apart.
template <typename F>
UniversalTime Highest(UniversalTime low, UniversalTime high, F f) {
  UniversalTime best = low;
  double bestValue = f(low);
  for (UniversalTime t = low + kSampleStep;; t = t + kSampleStep) {
    if (t > high) t = high;
    const double value = f(t);
    if (value > bestValue) {
      best = t;
      bestValue = value;
    }
    if (t == high) break;
  }
  UniversalTime a = std::max(low, best - kSampleStep);
  UniversalTime b = std::min(high, best + kSampleStep);
  constexpr double kRatio = 0.6180339887498949;
  while (b - a > kPrecision) {
    const UniversalTime c = b - (b - a) * kRatio;
    const UniversalTime d = a + (b - a) * kRatio;
    if (f(c) > f(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  const UniversalTime refined = a + (b - a) / 2.0;
  return f(refined) >= bestValue ? refined : best;
}

// The zero of f between low and high, f(low) having the sign of lowPositive.
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

// The longest stretch of `span` during which the target's apparent altitude
// is at least `minimum`.
std::optional<TimeSpan> LongestAbove(const SkyTrack& target, TimeSpan span, double minimum) {
  const auto f = [&](UniversalTime t) { return target.ApparentAltitude(t) - minimum; };
  std::optional<TimeSpan> longest;
  UniversalTime runStart = span.start;
  bool previousAbove = f(span.start) >= 0;
  const auto close = [&](UniversalTime end) {
    if (!longest || end - runStart > longest->end - longest->start) {
      longest = TimeSpan{runStart, end};
    }
  };
  UniversalTime previous = span.start;
  while (previous < span.end) {
    const UniversalTime t = std::min(previous + kSampleStep, span.end);
    const bool above = f(t) >= 0;
    if (above != previousAbove) {
      const UniversalTime edge = Bisected(previous, t, previousAbove, f);
      if (above) {
        runStart = edge;
      } else {
        close(edge);
      }
    }
    previous = t;
    previousAbove = above;
  }
  if (previousAbove) close(span.end);
  return longest;
}

// Why a twilight's crossing does not happen within the span.
SkyEvent NoCrossing(const std::vector<TrackSample>& samples, double altitude) {
  SkyEvent none;
  const auto above = [altitude](const TrackSample& s) { return s.trueAltitude > altitude; };
  if (std::all_of(samples.begin(), samples.end(), above)) {
    none.state = EventState::AlwaysAbove;
  } else if (std::none_of(samples.begin(), samples.end(), above)) {
    none.state = EventState::AlwaysBelow;
  }
  return none;
}

// The night's frame from the Sun alone: its kind, span and twilights.
Night SunsNight(const SkyTrack& sun, UniversalTime instant) {
  const std::vector<TrackSample> around = SampleTrack(
      sun, Within(sun, {instant - kDay, instant + kDay + kHalfDay}), std::chrono::hours(1));
  const std::vector<UniversalTime> lowest = TransitsOf(sun, around, false);
  const SkyTrack::Local now = sun.LocalAt(instant);
  const bool sunDown = now.trueAltitude < sun.RisingAltitude(instant);
  UniversalTime middle = instant;
  if (!lowest.empty()) {
    if (sunDown) {
      middle = *std::min_element(lowest.begin(), lowest.end(), [&](auto a, auto b) {
        return std::fabs((a - instant).count()) < std::fabs((b - instant).count());
      });
    } else {
      const auto next =
          std::find_if(lowest.begin(), lowest.end(), [&](UniversalTime t) { return t > instant; });
      if (next != lowest.end()) middle = *next;
    }
  }

  Night night;
  const TimeSpan window = Within(sun, {middle - kHalfDay, middle + kHalfDay});
  const std::vector<TrackSample> samples = SampleTrack(sun, window);
  const std::vector<Crossing> crossings = CrossingsOf(sun, samples, HorizonKind::Rising);
  std::optional<UniversalTime> setting, rising;
  for (const Crossing& c : crossings) {
    if (c.time < middle) setting = c.rising ? std::nullopt : std::optional(c.time);
    if (c.time > middle && !rising) {
      if (!c.rising) break;
      rising = c.time;
    }
  }
  night.span = {setting.value_or(window.start), rising.value_or(window.end)};
  if (setting && rising) {
    night.kind = NightKind::Ordinary;
  } else {
    night.kind = sun.LocalAt(middle).trueAltitude > sun.RisingAltitude(middle)
                     ? NightKind::MidnightSun
                     : NightKind::PolarNight;
  }

  const std::vector<TrackSample> inSpan = SampleTrack(sun, night.span);
  for (std::size_t i = 0; i < kTwilightDepths.size(); ++i) {
    const double altitude = -kTwilightDepths[i];
    const std::vector<Crossing> through = CrossingsOf(sun, inSpan, HorizonKind::Fixed, altitude);
    const auto down =
        std::find_if(through.begin(), through.end(), [](const Crossing& c) { return !c.rising; });
    const auto up =
        std::find_if(through.rbegin(), through.rend(), [](const Crossing& c) { return c.rising; });
    night.dusk[i] = down != through.end() ? SkyEvent{EventState::Happens, down->time,
                                                     sun.ApparentAltitude(down->time)}
                                          : NoCrossing(inSpan, altitude);
    night.dawn[i] = up != through.rend()
                        ? SkyEvent{EventState::Happens, up->time, sun.ApparentAltitude(up->time)}
                        : NoCrossing(inSpan, altitude);
  }
  return night;
}

// The best time and span for the target within the night's frame.
void FillBest(Night& night, const SkyTrack& target, const SkyTrack& sun, UniversalTime instant,
              double minimumAltitude) {
  if (target.target() == Target::Sun) {
    // The Sun's own best time is its transit, the one nearest the instant.
    const std::vector<TrackSample> around = SampleTrack(
        sun, Within(sun, {instant - kHalfDay, instant + kHalfDay}), std::chrono::hours(1));
    const std::vector<UniversalTime> transits = TransitsOf(sun, around, true);
    if (transits.empty()) return;
    const UniversalTime noon =
        *std::min_element(transits.begin(), transits.end(), [&](auto a, auto b) {
          return std::fabs((a - instant).count()) < std::fabs((b - instant).count());
        });
    const double altitude = sun.ApparentAltitude(noon);
    night.best = {altitude >= 0 ? BestTimeState::Found : BestTimeState::BelowHorizon, noon,
                  altitude};
    night.bestSpan =
        LongestAbove(target, Within(target, {noon - kHalfDay, noon + kHalfDay}), minimumAltitude);
    return;
  }
  const auto civil = static_cast<std::size_t>(TwilightDepth::Civil);
  const SkyEvent& dusk = night.dusk[civil];
  const SkyEvent& dawn = night.dawn[civil];
  if (dusk.state == EventState::AlwaysAbove || dawn.state == EventState::AlwaysAbove) {
    night.best = {BestTimeState::NeverDark, night.span.start, 0};
  } else {
    const TimeSpan dark =
        Within(target, {dusk.state == EventState::Happens ? dusk.time : night.span.start,
                        dawn.state == EventState::Happens ? dawn.time : night.span.end});
    const UniversalTime highest =
        Highest(dark.start, dark.end, [&](UniversalTime t) { return target.ApparentAltitude(t); });
    const double altitude = target.ApparentAltitude(highest);
    night.best = {altitude >= 0 ? BestTimeState::Found : BestTimeState::BelowHorizon, highest,
                  altitude};
  }
  night.bestSpan = LongestAbove(target, Within(target, night.span), minimumAltitude);
}

}  // namespace

Night NightOf(const SkyTrack& target, const SkyTrack& sun, UniversalTime instant,
              double minimumAltitude) {
  Night night = SunsNight(sun, instant);
  FillBest(night, target, sun, instant, minimumAltitude);
  return night;
}

std::vector<CurvePoint> NightCurve(const SkyTrack& target, const SkyTrack& sun, TimeSpan span,
                                   std::size_t count) {
  std::vector<CurvePoint> curve;
  curve.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double share = count == 1 ? 0.0 : static_cast<double>(i) / static_cast<double>(count - 1);
    const UniversalTime time = span.start + (span.end - span.start) * share;
    curve.push_back({time, target.ApparentAltitude(time), sun.LocalAt(time).trueAltitude});
  }
  return curve;
}

SkyPlan PlanSky(Target target, const Site& site, UniversalTime instant, TimeSpan localDay,
                double minimumAltitude, std::size_t curvePoints) {
  const TimeSpan sunSpan{std::min(localDay.start, instant - kDay),
                         std::max(localDay.end, instant + kDay + kHalfDay)};
  const SkyTrack sun(Target::Sun, site, sunSpan);
  SkyPlan plan;
  plan.now = PositionFromSite(target, site, instant);
  plan.night = SunsNight(sun, instant);
  if (target == Target::Sun) {
    plan.events = RiseTransitSetOf(sun, localDay);
    FillBest(plan.night, sun, sun, instant, minimumAltitude);
    if (curvePoints > 0) plan.curve = NightCurve(sun, sun, plan.night.span, curvePoints);
    return plan;
  }
  const SkyTrack track(target, site,
                       {std::min(localDay.start, plan.night.span.start),
                        std::max(localDay.end, plan.night.span.end)});
  plan.events = RiseTransitSetOf(track, localDay);
  FillBest(plan.night, track, sun, instant, minimumAltitude);
  if (curvePoints > 0) plan.curve = NightCurve(track, sun, plan.night.span, curvePoints);
  return plan;
}

SkyPlan PlanSky(Target target, const Site& site, UniversalTime instant, double minimumAltitude,
                std::size_t curvePoints) {
  return PlanSky(target, site, instant, LocalDayOf(instant), minimumAltitude, curvePoints);
}

}  // namespace celforo
