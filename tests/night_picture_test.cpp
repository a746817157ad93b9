// The night's picture against the numbers it draws: nights made by hand from
// smooth curves of the Sun's and the target's altitude, each shape's place
// worked out from those curves and the picture's documented frame (time
// from left to right over 321 units, the horizon at 112 and 90 degrees at
// 6), and its line and description from the night's times.
// With CELFORO_NIGHT_PICTURE_SVG set to a folder, each case is written there
// as SVG by day and by night, to be looked at.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "ui/night_picture.h"
#include "ui/svg_writer.h"

namespace celforo {
namespace {

using Curve = std::function<double(double hours)>;  // degrees at hours from the span's start

double X(double hours, double spanHours) {
  return hours / spanHours * 321;
}
double Y(double altitude) {
  return 112 - altitude / 90 * 106;
}

// Where f - level changes sign between a and b, by bisection.
double Root(const Curve& f, double level, double a, double b) {
  const bool aboveAtA = f(a) > level;
  for (int i = 0; i < 60; ++i) {
    const double m = (a + b) / 2;
    ((f(m) > level) == aboveAtA ? a : b) = m;
  }
  return (a + b) / 2;
}

// Central European Time, and summer time until 01:00 UTC on 2026-10-25 (the
// instant taken to the nearest second, as the system's zone is asked).
LocalDateTime Cet(UniversalTime t) {
  return {UtcCivilTime(t + std::chrono::hours(1)), 3600};
}
LocalDateTime SummerTimeEnding(UniversalTime t) {
  const int offset =
      t < UtcInstant({2026, 10, 25, 1, 0, 0}) - std::chrono::milliseconds(500) ? 2 : 1;
  return {UtcCivilTime(t + std::chrono::hours(offset)), offset * 3600};
}

// A night made by hand: `hours` long from `start`, the Sun and the target
// following `sun` and `target`; its twilights, best time and span found on
// those curves as calc finds them on the sky's.
struct MadeNight {
  const char* what;
  Target target;
  NightKind kind;
  CivilTime start;  // UTC
  double hours;
  Curve sun, altitude;  // the Sun's, lowest at the middle, and the target's
  double minimum;
  double instantHours;  // the panel's instant, from the start
  const char* line;
  std::vector<const char*> sentences;  // in the description, in order
  LocalDateTime (*zone)(UniversalTime) = Cet;
};

NightPicturePlan PlanOf(const MadeNight& made) {
  const UniversalTime start = UtcInstant(made.start);
  const auto at = [&](double h) { return start + Days(h / 24); };
  NightPicturePlan plan;
  plan.target = made.target;
  plan.minimumAltitude = made.minimum;
  plan.instant = at(made.instantHours);
  plan.localTime = made.zone;
  plan.sky.now.altitude = made.altitude(made.instantHours);
  const TimeSpan span{start, at(made.hours)};
  std::vector<CurvePoint> curve;
  for (int i = 0; i < 97; ++i) {
    const double h = made.hours * i / 96;
    curve.push_back({at(h), made.altitude(h), made.sun(h)});
  }
  // The best time: the target's highest, minute by minute, while the Sun is
  // 6 degrees down; the best span: where it is above the minimum.
  Night& night = plan.sky.night;
  night.kind = made.kind;
  night.span = span;
  double bestHours = -1, highest = -90, darkest = 0;
  std::vector<double> above;  // the span's ends, each crossing of the minimum
  for (double h = 0; h <= made.hours + 1e-9; h += 1.0 / 60) {
    darkest = std::min(darkest, made.sun(h));
    const bool dark = made.target == Target::Sun || made.sun(h) <= -6;  // the Sun's: its transit
    if (dark && made.altitude(h) > highest) highest = made.altitude(bestHours = h);
    const double next = std::min(h + 1.0 / 60, made.hours);
    if ((made.altitude(h) >= made.minimum) != (made.altitude(next) >= made.minimum))
      above.push_back(Root(made.altitude, made.minimum, h, next));
  }
  night.best = bestHours < 0 ? BestTime{BestTimeState::NeverDark, start, 0}
               : highest < 0 ? BestTime{BestTimeState::BelowHorizon, at(bestHours), highest}
                             : BestTime{BestTimeState::Found, at(bestHours), highest};
  if (made.altitude(0) >= made.minimum) above.insert(above.begin(), 0);
  if (made.altitude(made.hours) >= made.minimum) above.push_back(made.hours);
  if (above.size() == 2) night.bestSpan = TimeSpan{at(above[0]), at(above[1])};
  for (std::size_t i = 0; i < 3; ++i) {
    const double depth = -kTwilightDepths[i];
    night.dusk[i].state = night.dawn[i].state = darkest > depth       ? EventState::AlwaysAbove
                                                : made.sun(0) < depth ? EventState::AlwaysBelow
                                                                      : EventState::Happens;
    if (night.dusk[i].state != EventState::Happens) continue;
    const double low = made.hours / 2;  // each made Sun is lowest at the middle
    night.dusk[i].time = at(Root(made.sun, depth, 0, low));
    night.dawn[i].time = at(Root(made.sun, depth, low, made.hours));
  }
  if (made.target == Target::Sun)
    plan.day = SunsDay{made.kind, span, std::move(curve)};
  else
    plan.sky.curve = std::move(curve);
  return plan;
}

const double kPi = std::numbers::pi;

// Turin-like winter night from 17:00 to 07:00 UTC, the Sun 50 degrees
// down at most; the target rising before the night and setting after it.
const Curve kWinterSun = [](double h) { return -50.0 / 60 - 50 * std::sin(kPi * h / 14); };
const Curve kJupiter = [](double h) { return -20 + 85 * std::sin(kPi * (h + 1) / 16); };

const MadeNight kNights[] = {
    {"a winter night",
     Target::Jupiter,
     NightKind::Ordinary,
     {2026, 12, 7, 17, 0, 0},
     14,
     kWinterSun,
     kJupiter,
     30,
     4.5,
     "Giove: migliore alle 01:00, 65°; sopra 30° 20:12–05:48",
     {"Altezza di Giove nella notte, dal tramonto del Sole alle 18:00 alla sua levata alle 08:00.",
      "Buio pieno, il Sole oltre 18° sotto l'orizzonte, dalle 19:34 alle 06:26.",
      "Migliore alle 01:00, a 65° d'altezza.", "Sopra 30° dalle 20:12 alle 05:48.",
      "Alle 22:30, l'istante scelto e la linea verticale, a 55° d'altezza."}},
    {"never above the minimum",
     Target::Mars,
     NightKind::Ordinary,
     {2026, 12, 7, 17, 0, 0},
     14,
     kWinterSun,
     kJupiter,
     70,
     15,
     "Marte: migliore alle 01:00, 65°; mai sopra 70°",
     {"Mai sopra 70°.", "L'istante scelto, le 09:00, viene dopo."}},
    {"above the minimum all night",
     Target::Moon,
     NightKind::Ordinary,
     {2026, 12, 7, 17, 0, 0},
     14,
     kWinterSun,
     [](double h) { return 45 + 10 * std::sin(kPi * h / 14); },
     30,
     -2,
     "Luna: migliore alle 01:00, 55°; sempre sopra 30°",
     {"Altezza della Luna nella notte", "Sempre sopra 30°.",
      "L'istante scelto, le 16:00, viene prima."}},
    {"below the horizon while dark",
     Target::Venus,
     NightKind::Ordinary,
     {2026, 12, 7, 17, 0, 0},
     14,
     kWinterSun,
     [](double h) { return 4 - 40 * std::sin(kPi * h / 14); },
     30,
     1,
     "Venere: sotto l'orizzonte a cielo buio; mai sopra 30°",
     {"Sotto l'orizzonte per tutto il tempo in cui il cielo è buio."}},
    {"a white night at 60 N",
     Target::Saturn,
     NightKind::Ordinary,
     {2026, 6, 21, 19, 30, 0},
     5,
     [](double h) { return -50.0 / 60 - 5 * std::sin(kPi * h / 5); },
     [](double h) { return 25 + 10 * std::sin(kPi * h / 5); },
     30,
     2.5,
     "Saturno: cielo mai buio; sopra 30° 21:20–00:40",
     {"Il cielo non si fa del tutto buio: il Sole scende al più 5.8° sotto l'orizzonte.",
      "Nessuna ora migliore: il cielo non si fa abbastanza buio."}},
    {"a midnight sun",
     Target::Saturn,
     NightKind::MidnightSun,
     {2026, 6, 21, 11, 0, 0},
     24,
     [](double h) { return 20 + 15 * std::cos(kPi * h / 12); },
     [](double h) { return 20 - 15 * std::cos(kPi * h / 12); },
     30,
     12,
     "Saturno: sole di mezzanotte; sopra 30° 20:47–03:13",
     {"Sole di mezzanotte: il Sole non tramonta.",
      "nelle 24 ore attorno al punto più basso del Sole", "Sopra 30° dalle 20:47 alle 03:13."}},
    {"a polar night",
     Target::Moon,
     NightKind::PolarNight,
     {2026, 12, 21, 11, 0, 0},
     24,
     [](double h) { return -23.4 + 10 * std::cos(kPi * h / 12); },
     [](double h) { return 35 - 15 * std::cos(kPi * h / 12); },
     30,
     6,
     "Luna: migliore alle 00:00, 50°; sopra 30° 16:42–07:18",
     {"Notte polare: il Sole non sorge.", "dalle 12:00 alle 12:00",
      "Buio pieno, il Sole oltre 18° sotto l'orizzonte, dalle 15:49 alle 08:11."}},
    {"the Sun's day",
     Target::Sun,
     NightKind::Ordinary,
     {2026, 12, 7, 7, 0, 0},
     9,
     [](double h) { return -50.0 / 60 + (24 + 50.0 / 60) * std::sin(kPi * h / 9); },
     [](double h) { return -50.0 / 60 + (24 + 50.0 / 60) * std::sin(kPi * h / 9); },
     20,
     2,
     "Sole: culmina alle 12:30, 24°; sopra 20° 10:51–14:09",
     {"Altezza del Sole nel suo giorno, dalla levata alle 08:00 al tramonto alle 17:00.",
      "Culmina alle 12:30, a 24° d'altezza."}},
    {"a night when summer time ends",
     Target::Jupiter,
     NightKind::Ordinary,
     {2026, 10, 24, 17, 0, 0},
     14,
     kWinterSun,
     kJupiter,
     30,
     4.5,
     "Giove: migliore alle 02:00, 65°; sopra 30° 21:12–05:48",
     {"dal tramonto del Sole alle 19:00 alla sua levata alle 08:00."},
     SummerTimeEnding},
};

template <typename Figure>
std::vector<Figure> ShapesMarked(const DisplayList& list, std::string_view mark) {
  std::vector<Figure> found;
  for (const Shape& shape : list.shapes)
    if (shape.mark == mark) found.push_back(std::get<Figure>(shape.figure));
  return found;
}

void WriteForLooking(const DisplayList& list, const std::string& name) {
  const char* folder = std::getenv("CELFORO_NIGHT_PICTURE_SVG");
  if (folder == nullptr) return;
  std::ofstream(std::string(folder) + "/" + name + "-day.svg") << SvgDocument(list);
  std::ofstream(std::string(folder) + "/" + name + "-night.svg")
      << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << SvgMarkup(list, kNightPalette) << "\n";
}

TEST(NightPicture, DrawsTheNightItIsGiven) {
  int index = 0;
  for (const MadeNight& made : kNights) {
    SCOPED_TRACE(made.what);
    const NightPicturePlan plan = PlanOf(made);
    const DisplayList list = NightPicture(plan);
    WriteForLooking(list, "case" + std::to_string(index++));
    EXPECT_EQ(list.width, 321);
    EXPECT_EQ(list.height, 150);
    EXPECT_EQ(list.name, "CURVA DELLA NOTTE");
    const double H = made.hours;
    const auto hoursAt = [&](double x) { return x / 321 * H; };

    // The line, and the description's sentences in order.
    const std::vector<TextShape> line = ShapesMarked<TextShape>(list, "line");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].text, made.line);
    std::size_t from = 0;
    for (const char* sentence : made.sentences) {
      const std::size_t at = list.description.find(sentence, from);
      EXPECT_NE(at, std::string::npos) << sentence << "\n in: " << list.description;
      if (at != std::string::npos) from = at;
    }

    // The bands, each from where the Sun crosses into it to the right edge,
    // under the next.
    const Role roles[] = {Role::Daylight, Role::CivilTwilight, Role::NauticalTwilight,
                          Role::AstronomicalTwilight, Role::NightDark};
    const double edges[] = {-50.0 / 60, -6, -12, -18};
    const auto bandAt = [&](double h) {
      return static_cast<std::size_t>(std::count_if(std::begin(edges), std::end(edges),
                                                    [&](double e) { return made.sun(h) < e; }));
    };
    const double dh = H / 4000;
    std::size_t current = bandAt(0);
    std::vector<std::pair<double, Role>> expected{{0, roles[current]}};
    for (double h = dh; h <= H; h += dh) {
      const std::size_t band = bandAt(h);
      if (band == current) continue;
      const double x = X(Root(made.sun, edges[std::min(band, current)], h - dh, h), H);
      current = band;
      if (x < 0.5 && expected.size() == 1) {
        expected.front().second = roles[band];  // too narrow to paint
      } else {
        expected.push_back({x, roles[band]});
      }
    }
    const std::vector<RectShape> bands = ShapesMarked<RectShape>(list, "band");
    ASSERT_EQ(bands.size(), expected.size());
    for (std::size_t i = 0; i < bands.size(); ++i) {
      EXPECT_NEAR(bands[i].box.left, expected[i].first, 0.3) << i;
      EXPECT_EQ(bands[i].box.left + bands[i].box.width, 321);
      EXPECT_EQ(bands[i].box.top, 0);
      EXPECT_EQ(bands[i].box.height, 112);
      EXPECT_EQ(bands[i].fill, expected[i].second) << i;
    }

    // The curve: on the target's altitude, above the horizon, from its
    // rising (or the span's start) to its setting (or the end).
    for (const PolylineShape& curve : ShapesMarked<PolylineShape>(list, "curve")) {
      EXPECT_EQ(curve.stroke, Role::AltitudeCurve);
      for (const PicturePoint& p : curve.points) {
        EXPECT_NEAR(p.y, Y(made.altitude(hoursAt(p.x))), 0.3) << p.x;
        EXPECT_LE(p.y, Y(0) + 1e-9);
      }
      for (const PicturePoint& end : {curve.points.front(), curve.points.back()})
        EXPECT_TRUE(end.x == 0 || end.x == 321 || std::fabs(end.y - Y(0)) < 1e-9) << end.x;
    }

    // The minimum's dashed line, across.
    const std::vector<PolylineShape> minimum = ShapesMarked<PolylineShape>(list, "minimum");
    ASSERT_EQ(minimum.size(), 1u);
    EXPECT_EQ(minimum[0].stroke, Role::MinimumAltitude);
    EXPECT_GT(minimum[0].dash, 0);
    for (const PicturePoint& p : minimum[0].points) EXPECT_NEAR(p.y, Y(made.minimum), 1e-9);

    // The best span: between the curve and the minimum's line, from its
    // start to its end.
    const std::vector<PathShape> best = ShapesMarked<PathShape>(list, "best-span");
    const std::optional<TimeSpan>& bestSpan = plan.sky.night.bestSpan;
    ASSERT_EQ(best.size(), bestSpan ? 1u : 0u);
    if (bestSpan) {
      const auto hours = [&](UniversalTime t) {
        return (t - plan.sky.night.span.start).count() * 24;
      };
      const std::vector<PicturePoint>& outline = best[0].points;
      EXPECT_NEAR(outline.front().x, X(hours(bestSpan->start), H), 1e-6);
      EXPECT_NEAR(outline.back().x, X(hours(bestSpan->end), H), 1e-6);
      EXPECT_NEAR(outline.front().y, Y(made.minimum), 1e-9);
      EXPECT_NEAR(outline.back().y, Y(made.minimum), 1e-9);
      for (std::size_t i = 1; i + 1 < outline.size(); ++i) {
        EXPECT_NEAR(outline[i].y, Y(made.altitude(hoursAt(outline[i].x))), 0.3) << i;
        EXPECT_LE(outline[i].y, Y(made.minimum) + 0.3) << i;
      }
    }

    // The best time's dot, and the instant's line where it falls in the span.
    const std::vector<EllipseShape> dot = ShapesMarked<EllipseShape>(list, "best");
    ASSERT_EQ(dot.size(), plan.sky.night.best.state == BestTimeState::Found ? 1u : 0u);
    if (!dot.empty()) {
      const double bestHours = (plan.sky.night.best.time - plan.sky.night.span.start).count() * 24;
      EXPECT_NEAR(dot[0].cx, X(bestHours, H), 1e-6);
      EXPECT_NEAR(dot[0].cy, Y(made.altitude(bestHours)), 1e-6);
    }
    const std::vector<PolylineShape> instant = ShapesMarked<PolylineShape>(list, "instant");
    const bool inSpan = made.instantHours >= 0 && made.instantHours <= H;
    ASSERT_EQ(instant.size(), inSpan ? 1u : 0u);
    if (inSpan) {
      EXPECT_EQ(instant[0].stroke, Role::InstantMark);
      for (const PicturePoint& p : instant[0].points)
        EXPECT_NEAR(p.x, X(made.instantHours, H), 1e-6);
    }

    // A tick at each whole local hour; labels every 1, 2, 3, 4, 6 or 12
    // hours, the least 30 units apart, but where they would leave the picture.
    const std::vector<PolylineShape> ticks = ShapesMarked<PolylineShape>(list, "hour");
    const std::vector<TextShape> labels = ShapesMarked<TextShape>(list, "hour-label");
    int step = 1;
    for (const int s : {1, 2, 3, 4, 6, 12})
      if (s * 321 / H >= 30) {
        step = s;
        break;
      }
    std::size_t tick = 0, label = 0;
    const UniversalTime start = UtcInstant(made.start);
    for (int m = 0; m <= H * 60; ++m) {
      const UniversalTime t = start + std::chrono::minutes(m);
      const CivilTime local = made.zone(t).civil;
      if (local.minute != 0) continue;
      const double x = X(m / 60.0, H);
      ASSERT_LT(tick, ticks.size());
      EXPECT_NEAR(ticks[tick].points[0].x, x, 1e-4);
      EXPECT_EQ(ticks[tick++].points[0].y, 112);
      if (local.hour % step != 0 || x < 15 || x > 321 - 15) continue;
      ASSERT_LT(label, labels.size());
      EXPECT_NEAR(labels[label].box.left + labels[label].box.width / 2, x, 1e-4);
      EXPECT_EQ(labels[label++].text, (local.hour < 10 ? "0" : "") + std::to_string(local.hour));
    }
    EXPECT_EQ(tick, ticks.size());
    EXPECT_EQ(label, labels.size());

    // Within the picture, and by night red alone.
    const auto inside = [](double x, double y) {
      EXPECT_TRUE(x >= 0 && x <= 321 && y >= 0 && y <= 150) << x << ", " << y;
    };
    for (const Shape& shape : list.shapes) {
      if (const auto* rect = std::get_if<RectShape>(&shape.figure)) {
        inside(rect->box.left, rect->box.top);
        inside(rect->box.left + rect->box.width, rect->box.top + rect->box.height);
      } else if (const auto* text = std::get_if<TextShape>(&shape.figure)) {
        inside(text->box.left, text->box.top);
        inside(text->box.left + text->box.width, text->box.top + text->box.height);
      } else if (const auto* polyline = std::get_if<PolylineShape>(&shape.figure)) {
        for (const PicturePoint& p : polyline->points) inside(p.x, p.y);
      } else if (const auto* path = std::get_if<PathShape>(&shape.figure)) {
        for (const PicturePoint& p : path->points) inside(p.x, p.y);
      }
    }
    const std::string night = SvgMarkup(list, kNightPalette);
    const std::regex colour(R"(rgb\((\d+), (\d+), (\d+)\))");
    for (auto it = std::sregex_iterator(night.begin(), night.end(), colour);
         it != std::sregex_iterator(); ++it)
      EXPECT_EQ((*it)[2].str() + (*it)[3].str(), "00") << it->str();
  }
}

TEST(NightPicture, WithoutASiteOrATarget) {
  const struct {
    NightPictureLack lack;
    const char* line;
  } cases[] = {
      {NightPictureLack::Site, "Inserisci LATITUDINE e LONGITUDINE per la curva della notte"},
      {NightPictureLack::Target, "Scegli un OGGETTO per la curva della notte"},
  };
  for (const auto& c : cases) {
    const DisplayList list = NightPictureWithout(c.lack);
    WriteForLooking(list, c.lack == NightPictureLack::Site ? "no-site" : "no-target");
    EXPECT_EQ(list.width, 321);
    EXPECT_EQ(list.height, 150);
    const std::vector<TextShape> line = ShapesMarked<TextShape>(list, "line");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].text, c.line);
    EXPECT_EQ(list.description, std::string(c.line) + ".");
    EXPECT_TRUE(ShapesMarked<PolylineShape>(list, "curve").empty());
  }
}

LocalDateTime Utc(UniversalTime t) {
  return {UtcCivilTime(t), 0};
}

// Real nights and days from calc's plan: the Sun's day at 60 N from the
// U.S. Naval Observatory's sunrise to its sunset (06:03 and 18:14 UT on
// 2019-03-20), the midnight sun and the polar night at 80 N, and nights at
// Turin; each curve from the span's start to its end, in the picture.
TEST(NightPicture, DrawsCalcsPlans) {
  const struct {
    const char* what;
    Target target;
    Site site;
    CivilTime instant;  // UTC
    const char* sentence;
  } cases[] = {
      {"sun-60n",
       Target::Sun,
       {60, 0, 0},
       {2019, 3, 20, 12, 0, 0},
       "Altezza del Sole nel suo giorno, dalla levata alle 06:03 al tramonto alle 18:14."},
      {"sun-80n-june", Target::Sun, {80, 0, 0}, {2019, 6, 21, 12, 0, 0}, "Il Sole non tramonta."},
      {"sun-80n-december",
       Target::Sun,
       {80, 0, 0},
       {2019, 12, 21, 12, 0, 0},
       "Il Sole non sorge. Altezza del Sole nelle 24 ore attorno al mezzogiorno"},
      {"saturn-80n-june",
       Target::Saturn,
       {80, 0, 0},
       {2019, 6, 21, 12, 0, 0},
       "Sempre sotto l'orizzonte."},  // Saturn 22 degrees south
      {"moon-80n-december",
       Target::Moon,
       {80, 0, 0},
       {2019, 12, 21, 12, 0, 0},
       "Notte polare: il Sole non sorge."},
      {"jupiter-turin",
       Target::Jupiter,
       {45.07, 7.69, 240},
       {2026, 12, 7, 20, 30, 0},
       "Altezza di Giove nella notte, dal tramonto del Sole alle "},
      {"saturn-turin",
       Target::Saturn,
       {45.07, 7.69, 240},
       {2026, 12, 7, 20, 30, 0},
       "Altezza di Saturno nella notte"},
      {"moon-turin",
       Target::Moon,
       {45.07, 7.69, 240},
       {2026, 12, 7, 20, 30, 0},
       "Altezza della Luna nella notte"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    NightPicturePlan plan = NightPicturePlanOf(c.target, c.site, UtcInstant(c.instant));
    plan.localTime = Utc;
    const DisplayList list = NightPicture(plan);
    WriteForLooking(list, c.what);
    EXPECT_NE(list.description.find(c.sentence), std::string::npos) << list.description;
    EXPECT_EQ(plan.day.has_value(), c.target == Target::Sun);
    const std::vector<CurvePoint>& curve = plan.day ? plan.day->curve : plan.sky.curve;
    ASSERT_EQ(curve.size(), kNightCurvePoints);
    for (const PolylineShape& line : ShapesMarked<PolylineShape>(list, "curve")) {
      for (const PicturePoint& p : line.points) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 321);
        EXPECT_GE(p.y, 6);
        EXPECT_LE(p.y, 112);
      }
    }
    const std::vector<RectShape> bands = ShapesMarked<RectShape>(list, "band");
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands.front().box.left, 0);
    // The Sun's day, and the midnight sun, lie wholly in daylight.
    if (c.target == Target::Sun && plan.day->kind != NightKind::PolarNight) {
      EXPECT_EQ(bands.size(), 1u);
      EXPECT_EQ(bands.front().fill, Role::Daylight);
    }
  }
}

}  // namespace
}  // namespace celforo
