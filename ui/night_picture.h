// The night's picture: the target's altitude from the Sun's setting to its
// rising as a curve, over bands shaded by the Sun's depth (the Sun up, civil,
// nautical and astronomical twilight, night), with the minimum altitude as a
// dashed line, the best span filled between the curve and that line, the
// best time as a dot on the curve, the panel's instant as a vertical line,
// the local hours along the foot, and a line of text saying when to image.
// For the Sun itself it draws the Sun's day (suns_day.h) instead.
#pragma once

#include <cstddef>
#include <optional>

#include "calc/date_time.h"
#include "calc/night.h"
#include "calc/site.h"
#include "calc/suns_day.h"
#include "calc/targets.h"
#include "ui/display_list.h"

namespace celforo {

// The picture's size in its units (pixels at 96 dots per inch): 4815 x 2250
// twips in the panel's table.
inline constexpr double kNightPictureWidth = 321;
inline constexpr double kNightPictureHeight = 150;

// The instants of the curve: one every 10 minutes of a 16-hour night.
inline constexpr std::size_t kNightCurvePoints = 97;

// What the picture draws, as calc computes it.
struct NightPicturePlan {
  Target target = Target::Jupiter;
  SkyPlan sky;                 // PlanSky's, with its curve (kNightCurvePoints)
  std::optional<SunsDay> day;  // for the Sun: its day, drawn in place of the night
  UniversalTime instant;       // the panel's
  double minimumAltitude = kDefaultMinimumAltitude;  // degrees, PlanSky's
  // The local time the hours and times are shown in, as the panel shows
  // them; a test gives a zone of its own.
  LocalDateTime (*localTime)(UniversalTime) = LocalTimeOf;
};

// The plan for a target seen from a site at the panel's instant: PlanSky's
// with a curve of kNightCurvePoints, and for the Sun its day about its
// transit (SunsDayOf). The instant within InEphemerisRange, as PlanSky asks.
// Its `sky` serves the panel's other results too.
NightPicturePlan NightPicturePlanOf(Target target, const Site& site, UniversalTime instant,
                                    double minimumAltitude = kDefaultMinimumAltitude);

// The picture, kNightPictureWidth x kNightPictureHeight: the bands and the
// curve over the top 112 units, the horizon at their foot and 90 degrees 6
// units below the top, time running left to right from the span's start to
// its end; the hours under them on the window's ground, a tick each whole
// local hour and a label every 1, 2, 3, 4, 6 or 12 hours, the least that
// leaves 30 units between labels; the line at the foot. Jupiter from Turin
// (45.07 N, 7.69 E) on the night of 2026-12-07, in Italy's time, reads
//   "Giove: migliore alle 05:19, 58°; sopra 30° 01:17–07:55"
// ("mai sopra 30°" or "sempre sopra 30°" for the span; "sotto l'orizzonte a
// cielo buio", "cielo mai buio" or "sole di mezzanotte" where there is no
// best time; for the Sun, that day, "Sole: culmina alle 12:21, 22°; mai
// sopra 30°", or "Sole: non sorge; ..."). Its description says in words the span drawn, how dark it
// gets, the best time and span, and where the target stands at the panel's
// instant, or that the instant falls before or after the span.
DisplayList NightPicture(const NightPicturePlan& plan);

// What the panel lacks for a curve: a site, or a target.
enum class NightPictureLack { Site, Target };

// The picture without a curve: the empty ground and a line saying what to
// give, "Inserisci LATITUDINE e LONGITUDINE per la curva della notte" (or
// "Scegli un OGGETTO per la curva della notte").
DisplayList NightPictureWithout(NightPictureLack lack);

}  // namespace celforo
