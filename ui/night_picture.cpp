#include "ui/night_picture.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/numeric_text.h"

namespace celforo {
namespace {

constexpr double kWidth = kNightPictureWidth;
constexpr double kPlotBottom = 112;  // the horizon
constexpr double kPlotTop = 6;       // 90 degrees up
constexpr double kLabelHeight = 15;  // the hours' strip
constexpr double kLineTop = kPlotBottom + kLabelHeight;
constexpr double kLabelPixels = 10;
constexpr double kLinePixels = 11;
constexpr double kTickLength = 4;
constexpr double kLeastLabelGap = 30;
constexpr double kCurvePen = 2;
constexpr double kDash = 4;
constexpr double kBestDotRadius = 3;
constexpr std::array<int, 6> kLabelSteps{1, 2, 3, 4, 6, 12};  // hours
constexpr std::string_view kPictureName = "CURVA DELLA NOTTE";
constexpr std::string_view kDegree = "\xC2\xB0";      // U+00B0 DEGREE SIGN
constexpr std::string_view kEnDash = "\xE2\x80\x93";  // U+2013 EN DASH

// The Sun's centre at the almanacs' sunset (its upper limb on the horizon,
// 34' of refraction and 16' of semi-diameter), then the twilights' depths:
// the edges between the bands, from the Sun up to the night.
constexpr std::array<double, 4> kBandEdges{-50.0 / 60, -6, -12, -18};
constexpr std::array<Role, 5> kBandRoles{Role::Daylight, Role::CivilTwilight,
                                         Role::NauticalTwilight, Role::AstronomicalTwilight,
                                         Role::NightDark};

// Which band the Sun's altitude falls in: the number of edges it is below.
std::size_t BandOf(double sunAltitude) {
  return static_cast<std::size_t>(std::count_if(kBandEdges.begin(), kBandEdges.end(),
                                                [&](double e) { return sunAltitude < e; }));
}

double Lerp(double a, double b, double share) {
  return a + (b - a) * share;
}

// Where times and altitudes fall in the picture.
class Frame {
public:
  explicit Frame(TimeSpan span) : span_(span) {}

  double X(UniversalTime t) const {
    const double length = (span_.end - span_.start).count();
    return length > 0 ? (t - span_.start).count() / length * kWidth : 0;
  }
  static double Y(double altitude) {
    return kPlotBottom - altitude / 90 * (kPlotBottom - kPlotTop);
  }
  PicturePoint At(UniversalTime t, double altitude) const { return {X(t), Y(altitude)}; }
  bool Holds(UniversalTime t) const { return t >= span_.start && t <= span_.end; }

private:
  TimeSpan span_;
};

// The curve's altitude at an instant, straight between its points.
double AltitudeAt(std::span<const CurvePoint> curve, UniversalTime t) {
  const auto after =
      std::find_if(curve.begin(), curve.end(), [&](const CurvePoint& p) { return p.time >= t; });
  if (after == curve.begin()) return curve.front().altitude;
  if (after == curve.end()) return curve.back().altitude;
  const CurvePoint& before = *(after - 1);
  const double share = (t - before.time) / (after->time - before.time);
  return Lerp(before.altitude, after->altitude, share);
}

// The bands, each from where the Sun's altitude enters it to where it
// leaves, the edges found straight between the curve's points.
void AddBands(DisplayList& list, const Frame& frame, std::span<const CurvePoint> curve) {
  struct Run {
    double from, to;
    std::size_t band;
  };
  std::vector<Run> runs{{0, 0, BandOf(curve.front().sunAltitude)}};
  for (std::size_t i = 1; i < curve.size(); ++i) {
    const CurvePoint &a = curve[i - 1], &b = curve[i];
    const std::size_t from = BandOf(a.sunAltitude), to = BandOf(b.sunAltitude);
    // Each edge crossed, in the order the Sun passes it: edge k lies
    // between bands k and k + 1.
    const auto cross = [&](std::size_t edge, std::size_t band) {
      const double share = (kBandEdges[edge] - a.sunAltitude) / (b.sunAltitude - a.sunAltitude);
      const double x = Lerp(frame.X(a.time), frame.X(b.time), share);
      runs.back().to = x;
      runs.push_back({x, x, band});
    };
    for (std::size_t band = from; band < to; ++band) cross(band, band + 1);
    for (std::size_t band = from; band > to; --band) cross(band - 1, band - 1);
  }
  runs.back().to = kWidth;
  // A run too narrow to paint goes to the one after it.
  std::vector<Run> kept;
  for (const Run& run : runs) {
    if (!kept.empty() &&
        (kept.back().to - kept.back().from < 0.5 || kept.back().band == run.band)) {
      kept.back().to = run.to;
      kept.back().band = run.band;
    } else {
      kept.push_back(run);
    }
  }
  if (kept.size() > 1 && kept.back().to - kept.back().from < 0.5) {
    kept[kept.size() - 2].to = kept.back().to;
    kept.pop_back();
  }
  // Each band reaches the right edge, under the ones after it, so that no
  // seam shows between two.
  for (const Run& run : kept) {
    list.shapes.push_back(
        {RectShape{{run.from, 0, kWidth - run.from, kPlotBottom}, kBandRoles[run.band], {}, 0},
         "band"});
  }
}

// The best span, between the curve and the minimum's line.
void AddBestSpan(DisplayList& list, const Frame& frame, std::span<const CurvePoint> curve,
                 TimeSpan best, double minimum) {
  std::vector<PicturePoint> outline{{frame.X(best.start), Frame::Y(minimum)},
                                    frame.At(best.start, AltitudeAt(curve, best.start))};
  for (const CurvePoint& p : curve)
    if (p.time > best.start && p.time < best.end) outline.push_back(frame.At(p.time, p.altitude));
  outline.push_back(frame.At(best.end, AltitudeAt(curve, best.end)));
  outline.push_back({frame.X(best.end), Frame::Y(minimum)});
  list.shapes.push_back({PathShape{std::move(outline), Role::BestSpan, {}, 0}, "best-span"});
}

// The curve where the target is above the horizon, a line for each stretch.
void AddCurve(DisplayList& list, const Frame& frame, std::span<const CurvePoint> curve) {
  std::vector<PicturePoint> run;
  const auto close = [&] {
    if (run.size() > 1)
      list.shapes.push_back(
          {PolylineShape{std::move(run), Role::AltitudeCurve, kCurvePen, 0}, "curve"});
    run.clear();
  };
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const CurvePoint& p = curve[i];
    if (i > 0) {
      const CurvePoint& q = curve[i - 1];
      if ((q.altitude >= 0) != (p.altitude >= 0)) {
        const double share = q.altitude / (q.altitude - p.altitude);
        run.push_back({Lerp(frame.X(q.time), frame.X(p.time), share), Frame::Y(0)});
        if (p.altitude < 0) close();
      }
    }
    if (p.altitude >= 0) run.push_back(frame.At(p.time, p.altitude));
  }
  close();
}

// "23:41": an instant's local time to the nearest minute.
std::string ClockText(const NightPicturePlan& plan, UniversalTime t) {
  const CivilTime local = plan.localTime(t + std::chrono::seconds(30)).civil;
  std::string text(5, ':');
  text[0] = static_cast<char>('0' + local.hour / 10);
  text[1] = static_cast<char>('0' + local.hour % 10);
  text[3] = static_cast<char>('0' + local.minute / 10);
  text[4] = static_cast<char>('0' + local.minute % 10);
  return text;
}

std::string DegreesText(double altitude) {
  return FixedText(altitude, 0) + std::string(kDegree);
}

// The hours: a tick at each whole local hour on the bands' foot, and a label
// under every `step` of them.
void AddHours(DisplayList& list, const Frame& frame, const NightPicturePlan& plan, TimeSpan span) {
  const double hours = (span.end - span.start).count() * 24;
  if (!(hours > 0)) return;
  const auto step = *std::find_if(kLabelSteps.begin(), kLabelSteps.end() - 1,
                                  [&](int s) { return s * kWidth / hours >= kLeastLabelGap; });
  const auto secondsPastHour = [&](UniversalTime t) {
    const CivilTime local = plan.localTime(t).civil;
    return local.minute * 60 + local.second;
  };
  const int past = secondsPastHour(span.start);
  UniversalTime tick = span.start + std::chrono::seconds(past == 0 ? 0 : 3600 - past);
  double previous = -kWidth;
  for (; tick <= span.end; tick = tick + std::chrono::hours(1)) {
    // Where the offset changes by a part of an hour, back to the whole hour.
    if (const int off = secondsPastHour(tick); off != 0) tick = tick - std::chrono::seconds(off);
    const double x = frame.X(tick);
    if (x <= previous || x < 0) continue;
    previous = x;
    list.shapes.push_back(
        {PolylineShape{{{x, kPlotBottom}, {x, kPlotBottom - kTickLength}}, Role::HourTick, 1, 0},
         "hour"});
    const int hour = plan.localTime(tick).civil.hour;
    const double half = kLeastLabelGap / 2;
    if (hour % step != 0 || x - half < 0 || x + half > kWidth) continue;
    std::string label{static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10)};
    list.shapes.push_back({TextShape{{x - half, kPlotBottom, 2 * half, kLabelHeight},
                                     std::move(label),
                                     Role::HourLabel,
                                     kLabelPixels,
                                     false,
                                     TextAlign::Centre},
                           "hour-label"});
  }
}

// What the picture spans and draws: the night's, or the Sun's day.
struct Drawn {
  NightKind kind;
  TimeSpan span;
  std::span<const CurvePoint> curve;
  bool sun;
};

Drawn DrawnOf(const NightPicturePlan& plan) {
  if (plan.target == Target::Sun && plan.day)
    return {plan.day->kind, plan.day->span, plan.day->curve, true};
  return {plan.sky.night.kind, plan.sky.night.span, plan.sky.curve, false};
}

// The best span within the drawn span, if any of it is.
std::optional<TimeSpan> BestWithin(const NightPicturePlan& plan, TimeSpan span) {
  const std::optional<TimeSpan>& best = plan.sky.night.bestSpan;
  if (!best || best->end < span.start || best->start > span.end) return std::nullopt;
  return TimeSpan{std::max(best->start, span.start), std::min(best->end, span.end)};
}

bool Whole(TimeSpan part, TimeSpan span) {
  constexpr Days kMinute = std::chrono::minutes(1);
  return part.start - span.start < kMinute && span.end - part.end < kMinute;
}

// "sopra 30° 20:05–03:10", "mai sopra 30°", "sempre sopra 30°".
std::string SpanText(const NightPicturePlan& plan, const Drawn& drawn) {
  const std::string above = "sopra " + DegreesText(plan.minimumAltitude);
  const std::optional<TimeSpan> best = BestWithin(plan, drawn.span);
  if (!best) return "mai " + above;
  if (Whole(*best, drawn.span)) return "sempre " + above;
  return above + ' ' + ClockText(plan, best->start) + std::string(kEnDash) +
         ClockText(plan, best->end);
}

std::string LineText(const NightPicturePlan& plan, const Drawn& drawn) {
  const BestTime& best = plan.sky.night.best;
  std::string head;
  if (drawn.sun) {
    head = best.state == BestTimeState::Found
               ? "culmina alle " + ClockText(plan, best.time) + ", " + DegreesText(best.altitude)
               : "non sorge";
  } else if (best.state == BestTimeState::Found) {
    head = "migliore alle " + ClockText(plan, best.time) + ", " + DegreesText(best.altitude);
  } else if (best.state == BestTimeState::BelowHorizon) {
    head = "sotto l'orizzonte a cielo buio";
  } else {
    head = drawn.kind == NightKind::MidnightSun ? "sole di mezzanotte" : "cielo mai buio";
  }
  return std::string(RecordOf(plan.target).shownName) + ": " + head + "; " + SpanText(plan, drawn);
}

// "di Giove", "della Luna", "del Sole".
std::string OfTarget(Target target) {
  if (target == Target::Sun) return "del Sole";
  if (target == Target::Moon) return "della Luna";
  return "di " + std::string(RecordOf(target).shownName);
}

std::string FromTo(const NightPicturePlan& plan, TimeSpan span) {
  return "dalle " + ClockText(plan, span.start) + " alle " + ClockText(plan, span.end);
}

// What the picture spans.
std::string SpanSentence(const NightPicturePlan& plan, const Drawn& drawn) {
  const std::string of = "Altezza " + OfTarget(plan.target);
  if (drawn.sun) {
    switch (drawn.kind) {
      case NightKind::Ordinary:
        return of + " nel suo giorno, dalla levata alle " + ClockText(plan, drawn.span.start) +
               " al tramonto alle " + ClockText(plan, drawn.span.end) + ".";
      case NightKind::MidnightSun:
        return "Il Sole non tramonta. " + of + " nelle 24 ore attorno al mezzogiorno, " +
               FromTo(plan, drawn.span) + ".";
      case NightKind::PolarNight:
        return "Il Sole non sorge. " + of + " nelle 24 ore attorno al mezzogiorno, " +
               FromTo(plan, drawn.span) + ".";
    }
  }
  switch (drawn.kind) {
    case NightKind::Ordinary:
      return of + " nella notte, dal tramonto del Sole alle " + ClockText(plan, drawn.span.start) +
             " alla sua levata alle " + ClockText(plan, drawn.span.end) + ".";
    case NightKind::MidnightSun:
      return "Sole di mezzanotte: il Sole non tramonta. " + of +
             " nelle 24 ore attorno al punto più basso del Sole, " + FromTo(plan, drawn.span) + ".";
    case NightKind::PolarNight:
      return "Notte polare: il Sole non sorge. " + of +
             " nelle 24 ore attorno al punto più basso del Sole, " + FromTo(plan, drawn.span) + ".";
  }
  return of + ".";
}

// "a 55° d'altezza", "a 9° sotto l'orizzonte".
std::string HeightText(double altitude) {
  if (altitude < -0.5) return "a " + DegreesText(-altitude) + " sotto l'orizzonte";
  return "a " + DegreesText(std::max(altitude, 0.0)) + " d'altezza";
}

// How dark the night gets; nothing where the Sun does not set.
std::string DarkSentence(const NightPicturePlan& plan, const Drawn& drawn) {
  if (drawn.kind == NightKind::MidnightSun) return {};
  const auto astronomical = static_cast<std::size_t>(TwilightDepth::Astronomical);
  const SkyEvent& dusk = plan.sky.night.dusk[astronomical];
  const SkyEvent& dawn = plan.sky.night.dawn[astronomical];
  const std::string deep = "il Sole oltre 18" + std::string(kDegree) + " sotto l'orizzonte";
  if (dusk.state == EventState::Happens && dawn.state == EventState::Happens &&
      dusk.time < dawn.time)
    return " Buio pieno, " + deep + ", " + FromTo(plan, {dusk.time, dawn.time}) + ".";
  if (dusk.state == EventState::AlwaysBelow) return " Buio pieno per tutto il tempo, " + deep + ".";
  if (drawn.curve.empty()) return {};
  const auto lowest = std::min_element(
      drawn.curve.begin(), drawn.curve.end(),
      [](const CurvePoint& a, const CurvePoint& b) { return a.sunAltitude < b.sunAltitude; });
  return " Il cielo non si fa del tutto buio: il Sole scende al più " +
         FixedText(-lowest->sunAltitude, 1) + std::string(kDegree) + " sotto l'orizzonte.";
}

// The best time and span, or why there are none.
std::string BestSentence(const NightPicturePlan& plan, const Drawn& drawn) {
  const bool everUp = std::any_of(drawn.curve.begin(), drawn.curve.end(),
                                  [](const CurvePoint& p) { return p.altitude >= 0; });
  if (!drawn.sun && !everUp) return " Sempre sotto l'orizzonte.";
  const BestTime& best = plan.sky.night.best;
  std::string text;
  switch (best.state) {
    case BestTimeState::Found:
      text = (drawn.sun ? " Culmina alle " : " Migliore alle ") + ClockText(plan, best.time) +
             ", " + HeightText(best.altitude) + ".";
      break;
    case BestTimeState::BelowHorizon:
      text = drawn.sun ? " A mezzogiorno " + HeightText(best.altitude) + "."
                       : " Sotto l'orizzonte per tutto il tempo in cui il cielo è buio.";
      break;
    case BestTimeState::NeverDark:
      if (drawn.kind != NightKind::MidnightSun)
        text = " Nessuna ora migliore: il cielo non si fa abbastanza buio.";
      break;
  }
  const std::string above = "sopra " + DegreesText(plan.minimumAltitude);
  const std::optional<TimeSpan> span = BestWithin(plan, drawn.span);
  if (!span) return text + " Mai " + above + ".";
  if (Whole(*span, drawn.span)) return text + " Sempre " + above + ".";
  return text + " Sopra " + DegreesText(plan.minimumAltitude) + ' ' + FromTo(plan, *span) + ".";
}

// Where the panel's instant falls, and the target then.
std::string InstantSentence(const NightPicturePlan& plan, const Drawn& drawn) {
  const std::string when = ClockText(plan, plan.instant);
  if (plan.instant < drawn.span.start) return " L'istante scelto, le " + when + ", viene prima.";
  if (plan.instant > drawn.span.end) return " L'istante scelto, le " + when + ", viene dopo.";
  return " Alle " + when + ", l'istante scelto e la linea verticale, " +
         HeightText(plan.sky.now.altitude) + ".";
}

DisplayList Ground() {
  DisplayList list;
  list.width = kNightPictureWidth;
  list.height = kNightPictureHeight;
  list.name = kPictureName;
  return list;
}

// The hours' strip and the text line under the bands, on the window's ground.
void AddFoot(DisplayList& list, std::string line) {
  list.shapes.push_back(
      {RectShape{
           {0, kPlotBottom, kWidth, kNightPictureHeight - kPlotBottom}, Role::WindowGround, {}, 0},
       {}});
  list.shapes.push_back({TextShape{{4, kLineTop, kWidth - 8, kNightPictureHeight - kLineTop},
                                   std::move(line),
                                   Role::PictureText,
                                   kLinePixels,
                                   false,
                                   TextAlign::Centre},
                         "line"});
}

}  // namespace

NightPicturePlan NightPicturePlanOf(Target target, const Site& site, UniversalTime instant,
                                    double minimumAltitude) {
  NightPicturePlan plan;
  plan.target = target;
  plan.sky = PlanSky(target, site, instant, minimumAltitude, kNightCurvePoints);
  if (target == Target::Sun)
    plan.day = SunsDayOf(site, plan.sky.night.best.time, kNightCurvePoints);
  plan.instant = instant;
  plan.minimumAltitude = minimumAltitude;
  return plan;
}

DisplayList NightPicture(const NightPicturePlan& plan) {
  DisplayList list = Ground();
  const Drawn drawn = DrawnOf(plan);
  const Frame frame(drawn.span);
  if (drawn.curve.size() < 2) {
    list.shapes.push_back({RectShape{{0, 0, kWidth, kPlotBottom}, Role::NightDark, {}, 0}, "band"});
  } else {
    AddBands(list, frame, drawn.curve);
    if (const std::optional<TimeSpan> best = BestWithin(plan, drawn.span))
      AddBestSpan(list, frame, drawn.curve, *best, plan.minimumAltitude);
  }
  const double minimumY = Frame::Y(plan.minimumAltitude);
  list.shapes.push_back(
      {PolylineShape{{{0, minimumY}, {kWidth, minimumY}}, Role::MinimumAltitude, 1, kDash},
       "minimum"});
  // The figure above the line, or under it where the line runs near the top.
  const double labelTop = minimumY - 13 >= 0 ? minimumY - 13 : minimumY + 1;
  list.shapes.push_back({TextShape{{3, labelTop, 40, 12},
                                   DegreesText(plan.minimumAltitude),
                                   Role::MinimumAltitude,
                                   kLabelPixels,
                                   false,
                                   TextAlign::Left},
                         "minimum-label"});
  if (drawn.curve.size() >= 2) AddCurve(list, frame, drawn.curve);
  const BestTime& best = plan.sky.night.best;
  if (best.state == BestTimeState::Found && frame.Holds(best.time)) {
    list.shapes.push_back({EllipseShape{frame.X(best.time), Frame::Y(best.altitude), kBestDotRadius,
                                        kBestDotRadius, Role::AltitudeCurve, std::nullopt, 0},
                           "best"});
  }
  if (frame.Holds(plan.instant)) {
    const double x = frame.X(plan.instant);
    list.shapes.push_back(
        {PolylineShape{{{x, 0}, {x, kPlotBottom}}, Role::InstantMark, 1, 0}, "instant"});
  }
  AddFoot(list, LineText(plan, drawn));
  AddHours(list, frame, plan, drawn.span);
  list.description = SpanSentence(plan, drawn) + (drawn.sun ? "" : DarkSentence(plan, drawn)) +
                     BestSentence(plan, drawn) +
                     (drawn.curve.size() >= 2 ? InstantSentence(plan, drawn) : "");
  return list;
}

DisplayList NightPictureWithout(NightPictureLack lack) {
  DisplayList list = Ground();
  list.shapes.push_back({RectShape{{0, 0, kWidth, kPlotBottom}, Role::NightDark, {}, 0}, {}});
  const std::string line = lack == NightPictureLack::Site
                               ? "Inserisci LATITUDINE e LONGITUDINE per la curva della notte"
                               : "Scegli un OGGETTO per la curva della notte";
  AddFoot(list, line);
  list.description = line + ".";
  return list;
}

}  // namespace celforo
