// The phenomena of Jupiter's four large moons over a span of time: the
// starts and ends of their transits across the disc, of their shadows'
// passages over it, of their occultations behind it and of their eclipses
// in Jupiter's shadow, as published predictions list them.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "calc/galilean_moons.h"

namespace celforo {

enum class MoonEventKind {
  TransitStart,
  TransitEnd,
  ShadowStart,
  ShadowEnd,
  OccultationStart,
  OccultationEnd,
  EclipseStart,
  EclipseEnd,
};

// The events as the program words them, in the order of MoonEventKind:
// kMoonEventTexts[int(MoonEventKind::ShadowStart)] is "inizio ombra".
inline constexpr std::array<std::string_view, 8> kMoonEventTexts{
    "inizio transito",     "fine transito",     "inizio ombra",   "fine ombra",
    "inizio occultazione", "fine occultazione", "inizio eclissi", "fine eclissi"};

struct MoonEvent {
  double julianDayTT = 0;  // when the Earth sees it, to about a second of the theory
  GalileanMoon moon = GalileanMoon::Io;
  MoonEventKind kind = MoonEventKind::TransitStart;
  // Whether the Earth can see it happen: an eclipse that begins or ends
  // while the moon is behind the disc, or an occultation while it is
  // eclipsed, cannot be seen (predictions often leave those out).
  bool visible = true;
};

// Where Jupiter is at an instant of dynamical time.
using SightSource = JupiterSight (*)(double julianDayTT);

// Every event from `fromTT` for `days` days, in the order they happen: the
// moons' states sampled every minute and each change found to the second.
// From 2016-01-02 00:00 TT, the IMCCE's predictions list Io's shadow
// starting across the disc at 13:01 UT and its transit at 14:10.
std::vector<MoonEvent> GalileanMoonEvents(double fromTT, double days, SightSource sightAt);

}  // namespace celforo
