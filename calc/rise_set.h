// When a target rises, crosses the meridian and sets on a day, by the
// almanacs' convention, and when the Sun's twilights begin and end: the
// Sun's and the Moon's upper limb on a level horizon with 34' of refraction
// (their semi-diameter and the Moon's parallax as seen from the site), a
// planet's centre at -34'; the twilights with the Sun's centre at -6, -12
// and -18 degrees, without refraction.
#pragma once

#include <array>
#include <chrono>
#include <vector>

#include "calc/site.h"
#include "calc/sky_track.h"
#include "calc/targets.h"
#include "calc/time_scale.h"

namespace celforo {

// Whether an event happens on the day searched, and why not.
enum class EventState {
  Happens,
  AlwaysAbove,  // above its horizon all day: circumpolar, the midnight sun, a white night
  AlwaysBelow,  // below it all day: never rises, the polar night
  NotThisDay    // it crosses, but not this way this day: the Moon rising after midnight
};

struct SkyEvent {
  EventState state = EventState::NotThisDay;
  UniversalTime time;   // when it happens
  double altitude = 0;  // the target's apparent (refracted) altitude then, degrees
};

struct RiseTransitSet {
  SkyEvent rise, transit, set;
};

// The first rising, upper transit and setting within `day` (normally
// LocalDayOf(instant)), from the target's track, which must cover the day.
// A transit happens whether the target is above the horizon or not; it is
// NotThisDay only when the hour angle does not pass zero that day, as the
// Moon's does not once a month. Events closer together than ten minutes (a
// body grazing the horizon) may be missed. Boston (42 20' N, 71 05' W) on
// 1988-03-20 sees Venus rise at 12:25, transit at 19:41 and set at 02:55 UT
// (Meeus example 15.a).
RiseTransitSet RiseTransitSetOf(const SkyTrack& track, TimeSpan day);

// The same, with a track made for the day.
RiseTransitSet RiseTransitSetOf(Target target, const Site& site, TimeSpan day);

// How deep the Sun's centre is below the horizon in each twilight, degrees.
enum class TwilightDepth { Civil, Nautical, Astronomical };
inline constexpr std::array<double, 3> kTwilightDepths{6, 12, 18};

// A twilight's morning start (the Sun rising through the depth) and evening
// end (setting through it) within a day. AlwaysAbove: the Sun never gets so
// deep that day; AlwaysBelow: it never comes up so high.
struct Twilight {
  SkyEvent dawn, dusk;
};

// The three twilights of a day from the Sun's track, in TwilightDepth's
// order.
std::array<Twilight, 3> TwilightsOf(const SkyTrack& sunTrack, TimeSpan day);

// --- The search, for night.h: a track sampled at intervals. ---

// Where the track stood at one sampled instant.
struct TrackSample {
  UniversalTime time;
  double trueAltitude = 0;
  double hourAngle = 0;
  double risingAltitude = 0;  // the track's RisingAltitude then
};

// The interval a search samples at: events closer together than this may
// be missed.
inline constexpr Days kSearchStep = std::chrono::minutes(10);

// Samples every `step` from span.start, the last at span.end.
std::vector<TrackSample> SampleTrack(const SkyTrack& track, TimeSpan span, Days step = kSearchStep);

// The instants, in order, at which the true altitude less `horizon` (a
// function of the sample: its rising altitude, or a fixed depth) changes
// sign, each found to a second, with the direction: rising when it becomes
// positive.
struct Crossing {
  UniversalTime time;
  bool rising = false;
};
enum class HorizonKind { Rising, Fixed };
std::vector<Crossing> CrossingsOf(const SkyTrack& track, const std::vector<TrackSample>& samples,
                                  HorizonKind kind, double fixedAltitude = 0);

// The instants at which the hour angle passes 0 (upper transits) or 180
// (lower), to a second.
std::vector<UniversalTime> TransitsOf(const SkyTrack& track,
                                      const std::vector<TrackSample>& samples, bool upper);

}  // namespace celforo
