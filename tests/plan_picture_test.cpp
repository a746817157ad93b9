// The planning picture as the camera will record it: each shape where calc's
// numbers put it (north up, east to the left), the labels and marks, and
// the words it says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "calc/date_time.h"
#include "calc/jupiter_sight.h"
#include "calc/planning.h"
#include "ui/disc_figure.h"
#include "ui/form2.h"
#include "ui/picture_labels.h"
#include "ui/plan_picture.h"

namespace celforo {
namespace {

// The panel's table gives the picture's element the picture's size.
static_assert(kForm2Elements[kPlanPicture].width == kPlanPictureWidthTwips &&
              kForm2Elements[kPlanPicture].height == kPlanPictureHeightTwips);

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kSky = kPlanPictureHeight - kPlanPictureTextHeight;

// The picture's direction of a position angle, written out: north up, east
// to the left, y downwards.
PicturePoint Towards(double angle) {
  return {-std::sin(angle * kDegree), -std::cos(angle * kDegree)};
}

// A view of a 1280 x 960 sensor with a target of `discPixels` across.
SensorView ViewWith(Target target, double discPixels, double ringsPixels = 0, double tilt = 0) {
  SensorView view;
  view.sensor = {1280, 960};
  view.fieldWidth = 3.96;
  view.fieldHeight = 2.97;
  view.target.emplace();
  view.target->target = target;
  view.target->size = TargetSize{47.3, ringsPixels > 0 ? 100.0 : 0.0, tilt, 0};
  view.discPixels = discPixels;
  view.ringsPixels = ringsPixels;
  return view;
}

const Shape* Marked(const DisplayList& list, std::string_view mark) {
  for (const Shape& shape : list.shapes)
    if (shape.mark == mark) return &shape;
  return nullptr;
}

template <typename Figure>
std::vector<const Figure*> AllMarked(const DisplayList& list, std::string_view mark) {
  std::vector<const Figure*> found;
  for (const Shape& shape : list.shapes)
    if (const auto* figure = std::get_if<Figure>(&shape.figure); figure && shape.mark == mark)
      found.push_back(figure);
  return found;
}

std::ptrdiff_t IndexOf(const DisplayList& list, std::string_view mark) {
  const auto found = std::find_if(list.shapes.begin(), list.shapes.end(),
                                  [&](const Shape& shape) { return shape.mark == mark; });
  return found - list.shapes.begin();
}

const RectShape& Frame(const DisplayList& list) {
  return std::get<RectShape>(Marked(list, "sensor")->figure);
}

PicturePoint FrameCentre(const RectShape& frame) {
  return {frame.box.left + frame.box.width / 2, frame.box.top + frame.box.height / 2};
}

std::string Line(const DisplayList& list) {
  return std::get<TextShape>(list.shapes.back().figure).text;
}

// The planner's camera at 2x, 5000 mm: 1280 x 960 pixels of 3.75 um.
SensorView CalcView(Target target, UniversalTime instant, std::optional<double> fieldStop = {}) {
  CameraAndTarget camera;
  camera.pixelSize = 3.75;
  camera.sensor = SensorPixels{1280, 960};
  camera.fieldStop = fieldStop;
  camera.target = TargetOnDateAt(target, instant, camera.observing);
  return *ViewOf(camera, 5000, 2);
}

TEST(PlanPicture, ToScaleOverTheSensorsFrame) {
  struct Case {
    const char* what;
    SensorView view;
    double polarRatio;    // the disc's ry over rx
    PicturePoint offset;  // the disc's centre from the frame's, in radii
  };
  const double saturn = 54364.0 / 60268.0;
  Case moonLitWest{
      "the Moon lit on its west, beyond the frame", ViewWith(Target::Moon, 12345), 1, {-1, 0}};
  moonLitWest.view.target->disc.brightLimbAngle = 270;
  const Case cases[] = {
      {"Jupiter, flattened", ViewWith(Target::Jupiter, 306), 66854.0 / 71492.0, {0, 0}},
      {"Saturn, rings open",
       ViewWith(Target::Saturn, 120, 272, 20),
       std::hypot(std::sin(20 * kDegree), saturn * std::cos(20 * kDegree)),
       {0, 0}},
      {"Saturn, rings from the south",
       ViewWith(Target::Saturn, 120, 272, -3),
       std::hypot(std::sin(3 * kDegree), saturn * std::cos(3 * kDegree)),
       {0, 0}},
      {"the Sun beyond the frame, its north limb across it",
       ViewWith(Target::Sun, 12345),
       1,
       {0, 1}},
      moonLitWest,
      {"a planet beyond the frame", ViewWith(Target::Mars, 4000), 1, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DisplayList list = PlanPicture(c.view);
    EXPECT_EQ(list.width, 321);
    EXPECT_EQ(list.height, 150);
    const RectShape& frame = Frame(list);
    const auto* disc = std::get_if<EllipseShape>(&Marked(list, "target")->figure);
    ASSERT_TRUE(disc);
    const double scale = frame.box.width / 1280;
    EXPECT_DOUBLE_EQ(frame.box.height / scale, 960);
    EXPECT_NEAR(2 * disc->rx / scale, c.view.discPixels, 1e-9);
    EXPECT_NEAR(disc->ry / disc->rx, c.polarRatio, 1e-12);
    const PicturePoint centre = FrameCentre(frame);
    EXPECT_NEAR(disc->cx, centre.x + c.offset.x * disc->rx, 1e-9);
    EXPECT_NEAR(disc->cy, centre.y + c.offset.y * disc->rx, 1e-9);
    // The frame fits within the sky with the margins.
    EXPECT_GE(frame.box.left, 0);
    EXPECT_LE(frame.box.left + frame.box.width, kPlanPictureWidth);
    EXPECT_GE(frame.box.top, 0);
    EXPECT_LE(frame.box.top + frame.box.height, kSky);
    if (c.view.ringsPixels > 0) {
      const auto* rings = std::get_if<EllipseShape>(&Marked(list, "rings")->figure);
      ASSERT_TRUE(rings);
      EXPECT_NEAR(2 * rings->rx / scale, c.view.ringsPixels, 1e-9);
      const double tilt = c.view.target->size.ringTilt * kDegree;
      EXPECT_NEAR(rings->ry / rings->rx, std::fabs(std::sin(tilt)), 1e-12);
      // Behind the globe, and its near half before it.
      EXPECT_LT(IndexOf(list, "rings"), IndexOf(list, "target"));
      EXPECT_GT(IndexOf(list, "rings-near"), IndexOf(list, "target"));
    }
  }
}

TEST(PlanPicture, SaysWhatItShows) {
  const std::string arcseconds = "\xE2\x80\xB3", dot = " \xC2\xB7 ";
  SensorView venus = ViewWith(Target::Venus, 306);
  venus.target->disc = DiscView{109.3, 0.3348, 112.0, {}, {}, {}, {}, {}};
  // Jupiter with Io and Europa on the sensor (within 4.18 radii), Ganymede
  // off it and Callisto beyond the picture, and the Red Spot's transit.
  SensorView jupiter = ViewWith(Target::Jupiter, 306);
  jupiter.target->moons = std::array<GalileanMoonView, 4>{};
  const double x[] = {2, -3, 7, -20};
  for (std::size_t i = 0; i < 4; ++i) (*jupiter.target->moons)[i].offset = {x[i], 0.1};
  jupiter.redSpotTransit = CivilTime{2026, 12, 7, 23, 41, 0};
  SensorView threeInField = jupiter;
  (*threeInField.target->moons)[2].offset = {-4, 0};
  SensorView stopped = ViewWith(Target::Jupiter, 0);
  stopped.target.reset();
  stopped.fieldStopPixels = 1599;
  const struct {
    const char* what;
    SensorView view;
    std::string line;
  } cases[] = {
      {"a disc", ViewWith(Target::Jupiter, 306),
       "Giove 47.3" + arcseconds + dot + "306 px" + dot + "32% del lato corto"},
      {"rings, the share left out to fit", ViewWith(Target::Saturn, 120, 272, 20),
       "Saturno 47.3" + arcseconds + dot + "anelli 100.0" + arcseconds + dot + "120 px"},
      {"a phase", venus,
       "Venere 47.3" + arcseconds + dot + "fase 33%" + dot + "306 px" + dot + "32% del lato corto"},
      // Too long whole: the share goes, and the Red Spot's shorter form comes.
      {"the Red Spot and the moons in the field", jupiter,
       "Giove 47.3" + arcseconds + dot + "306 px" + dot + "GRS 23:41" + dot +
           "nel campo: Io, Europa"},
      {"three moons in the field, counted", threeInField,
       "Giove 47.3" + arcseconds + dot + "306 px" + dot + "GRS 23:41" + dot +
           "3 satelliti nel campo"},
      {"the field alone, vignetted", stopped,
       "Campo 4.0\xE2\x80\xB2 \xC3\x97 3.0\xE2\x80\xB2" + dot + "vignettatura"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DisplayList list = PlanPicture(c.view);
    EXPECT_EQ(Line(list), c.line);
    EXPECT_LE(std::count_if(c.line.begin(), c.line.end(),
                            [](char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; }),
              58);
    EXPECT_NE(list.description.find("nord in alto, est a sinistra"), std::string::npos);
    EXPECT_EQ(list.name, "CAMPO DEL SENSORE");
  }
  const std::string said = PlanPicture(jupiter).description;
  for (const char* words : {"Macchia Rossa al meridiano centrale alle 23:41",
                            "Io nel campo, a ovest", "Europa nel campo, a est",
                            "Ganimede fuori dal campo, a ovest", "Callisto oltre il bordo, a est"})
    EXPECT_NE(said.find(words), std::string::npos) << words << " in " << said;
  EXPECT_EQ(Marked(PlanPicture(stopped), "target"), nullptr);
}

// Venus on the morning of 2026-12-08, a third lit: the lit part reaches the
// limb at the bright limb's angle and the terminator crosses the axis at
// R (1 - 2k) from the centre on the same side; the horns are a radius from
// the axis.
TEST(PlanPicture, VenusCrescentWhereCalcPutsIt) {
  const SensorView view = CalcView(Target::Venus, UtcInstant({2026, 12, 8, 5, 0, 0}));
  const DiscView& seen = view.target->disc;
  ASSERT_TRUE(seen.brightLimbAngle);
  ASSERT_LT(seen.illuminatedFraction, 0.4);
  const DisplayList list = PlanPicture(view);
  const auto& disc = std::get<EllipseShape>(Marked(list, "target")->figure);
  EXPECT_EQ(disc.fill, Role::TargetDark);
  const auto& lit = std::get<PathShape>(Marked(list, "lit")->figure);
  EXPECT_EQ(lit.fill, Role::TargetDisc);
  const PicturePoint axis = Towards(*seen.brightLimbAngle);
  const double r = disc.rx, k = seen.illuminatedFraction, b = r * (1 - 2 * k);
  double limb = -r, vertex = -r, horn = 0;
  int onTerminator = 0;
  for (const PicturePoint& p : lit.points) {
    const double along = (p.x - disc.cx) * axis.x + (p.y - disc.cy) * axis.y;
    const double across = (p.x - disc.cx) * axis.y - (p.y - disc.cy) * axis.x;
    EXPECT_LE(std::hypot(along, across), r + 1e-9);
    limb = std::max(limb, along);
    horn = std::max(horn, std::fabs(across));
    if (std::hypot(along, across) > r - 0.06) continue;  // on the limb
    // On the terminator: the half ellipse of semi-axes r across and b along.
    ++onTerminator;
    EXPECT_NEAR(std::hypot(along / b, across / r), 1, 0.03);
    vertex = std::max(vertex, along);
  }
  EXPECT_GT(onTerminator, 10);
  EXPECT_NEAR(limb, r, 0.06);
  EXPECT_NEAR(vertex, b, 0.06);
  EXPECT_NEAR(horn, r, 0.06);
  EXPECT_NE(Line(list).find("fase " + std::to_string(static_cast<int>(std::lround(100 * k))) + "%"),
            std::string::npos);
}

// Jupiter at 2016-01-02 13:30 UT, Io's shadow on the disc: each moon at
// R * hypot(X, Y) from the centre, at position angle P + atan2(-X, Y) (X
// towards the west, Y towards Jupiter's north pole at P), and the shadow
// likewise; a moon beyond the picture marked at its edge in its direction.
TEST(PlanPicture, JupitersMoonsAndShadowWhereCalcPutsThem) {
  const SensorView view = CalcView(Target::Jupiter, UtcInstant({2016, 1, 2, 13, 30, 0}));
  const TargetOnDate& target = *view.target;
  ASSERT_TRUE(target.moons && target.disc.northPoleAngle);
  const double pole = *target.disc.northPoleAngle;
  const DisplayList list = PlanPicture(view);
  const auto& disc = std::get<EllipseShape>(Marked(list, "target")->figure);
  EXPECT_NEAR(disc.rotation, pole, 1e-12);
  const auto place = [&](JovianOffset offset) {
    const PicturePoint towards = Towards(pole + std::atan2(-offset.x, offset.y) / kDegree);
    const double distance = disc.rx * std::hypot(offset.x, offset.y);
    return PicturePoint{disc.cx + distance * towards.x, disc.cy + distance * towards.y};
  };
  const auto moons = AllMarked<EllipseShape>(list, "moon");
  const auto arrows = AllMarked<PathShape>(list, "moon-edge");
  const auto shadows = AllMarked<EllipseShape>(list, "shadow");
  std::size_t drawn = 0, beyond = 0, shadowsOnDisc = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const GalileanMoonView& moon = (*target.moons)[i];
    SCOPED_TRACE(kGalileanMoonNames[i]);
    const PicturePoint at = place(moon.offset);
    if (moon.shadow) {
      ++shadowsOnDisc;
      const PicturePoint shadow = place(*moon.shadow);
      EXPECT_TRUE(std::any_of(shadows.begin(), shadows.end(), [&](const EllipseShape* s) {
        return std::hypot(s->cx - shadow.x, s->cy - shadow.y) < 1e-6;
      }));
    }
    if (moon.occulted || moon.eclipsed) continue;
    // Drawn at least 4 units within the picture's edge, else marked there.
    if (at.x >= 4 && at.x <= kPlanPictureWidth - 4 && at.y >= 4 && at.y <= kSky - 4) {
      ++drawn;
      EXPECT_TRUE(std::any_of(moons.begin(), moons.end(), [&](const EllipseShape* m) {
        return std::hypot(m->cx - at.x, m->cy - at.y) < 1e-6;
      }));
    } else {
      ++beyond;
      // An arrowhead whose tip lies on the line from the centre to the moon
      // (or within 20 units of it, a mark shared with a moon nearer).
      EXPECT_TRUE(std::any_of(arrows.begin(), arrows.end(), [&](const PathShape* arrow) {
        const PicturePoint tip = arrow->points.front();
        const double cross =
            (tip.x - disc.cx) * (at.y - disc.cy) - (tip.y - disc.cy) * (at.x - disc.cx);
        return std::fabs(cross) / std::hypot(at.x - disc.cx, at.y - disc.cy) < 20 &&
               (tip.x - disc.cx) * (at.x - disc.cx) + (tip.y - disc.cy) * (at.y - disc.cy) > 0;
      }));
    }
  }
  EXPECT_EQ(moons.size(), drawn);
  EXPECT_LE(arrows.size(), beyond);
  EXPECT_EQ(shadows.size(), shadowsOnDisc);
  EXPECT_GE(shadowsOnDisc, 1u);  // Io's
  EXPECT_NE(list.description.find("Io "), std::string::npos);
  EXPECT_NE(list.description.find("la sua ombra sul disco"), std::string::npos);
  // Each moon drawn is named.
  EXPECT_GE(AllMarked<TextShape>(list, "moon-label").size(), std::min<std::size_t>(drawn, 1));
}

// Saturn on 2026-12-07 at 20:30 UT: the rings turned to the pole's position
// angle, opened by |sin B|, their near half on the side away from the pole
// (B > 0) or towards it (B < 0).
TEST(PlanPicture, SaturnsRingsAtTheirTiltAndAngle) {
  const SensorView view = CalcView(Target::Saturn, UtcInstant({2026, 12, 7, 20, 30, 0}));
  const TargetOnDate& target = *view.target;
  ASSERT_TRUE(target.disc.northPoleAngle);
  const double pole = *target.disc.northPoleAngle, tilt = target.size.ringTilt;
  const DisplayList list = PlanPicture(view);
  const double scale = Frame(list).box.width / 1280;
  const auto& rings = std::get<EllipseShape>(Marked(list, "rings")->figure);
  EXPECT_NEAR(rings.rotation, pole, 1e-12);
  EXPECT_NEAR(rings.rx, view.ringsPixels * scale / 2, 1e-9);
  EXPECT_NEAR(rings.ry, rings.rx * std::fabs(std::sin(tilt * kDegree)), 1e-9);
  const auto& globe = std::get<EllipseShape>(Marked(list, "target")->figure);
  EXPECT_NEAR(globe.rotation, pole, 1e-12);
  const auto& near = std::get<PathShape>(Marked(list, "rings-near")->figure);
  const PicturePoint north = Towards(pole);
  double least = 1e9, most = -1e9;
  for (const PicturePoint& p : near.points) {
    const double towardsPole = (p.x - rings.cx) * north.x + (p.y - rings.cy) * north.y;
    least = std::min(least, towardsPole), most = std::max(most, towardsPole);
  }
  if (tilt >= 0) {
    EXPECT_LE(most, 1e-9);
    EXPECT_NEAR(least, -rings.ry, 0.05);
  } else {
    EXPECT_GE(least, -1e-9);
    EXPECT_NEAR(most, rings.ry, 0.05);
  }
  EXPECT_NE(list.description.find(tilt >= 0 ? "visti da nord" : "visti da sud"), std::string::npos);
}

// The field stop's circle about the frame's centre, stopPixels * scale / 2
// across, and "vignettatura" when the sensor's diagonal (1600 pixels) is
// longer than the stop.
TEST(PlanPicture, FieldStopCircleAndVignetting) {
  const struct {
    std::optional<double> stop;
    bool vignetting;
  } cases[] = {{2933.33, false}, {1600, false}, {1599, true}, {std::nullopt, false}};
  for (const auto& c : cases) {
    SensorView view = ViewWith(Target::Mars, 50);
    view.fieldStopPixels = c.stop;
    const DisplayList list = PlanPicture(view);
    const Shape* stop = Marked(list, "field-stop");
    ASSERT_EQ(stop != nullptr, c.stop.has_value());
    const bool saidInLine = Line(list).find("vignettatura") != std::string::npos;
    EXPECT_EQ(saidInLine, c.vignetting) << Line(list);
    EXPECT_EQ(list.description.find("vignettatura agli angoli") != std::string::npos, c.vignetting);
    if (!c.stop) continue;
    const auto& circle = std::get<EllipseShape>(stop->figure);
    const RectShape& frame = Frame(list);
    const PicturePoint centre = FrameCentre(frame);
    EXPECT_NEAR(circle.cx, centre.x, 1e-9);
    EXPECT_NEAR(circle.cy, centre.y, 1e-9);
    EXPECT_NEAR(circle.rx, *c.stop * frame.box.width / 1280 / 2, 1e-9);
    EXPECT_EQ(circle.rx, circle.ry);
    EXPECT_EQ(circle.stroke, Role::FieldStop);
  }
  // ViewOf takes the stop from the set-up where the magnification is given:
  // 5.5 mm at 2x on 3.75 um pixels spans 2933.33 pixels.
  CameraAndTarget camera;
  camera.pixelSize = 3.75;
  camera.sensor = SensorPixels{1280, 960};
  camera.fieldStop = 5.5;
  EXPECT_NEAR(*ViewOf(camera, 5000, 2)->fieldStopPixels, 2933.333, 1e-3);
  EXPECT_FALSE(ViewOf(camera, 5000)->fieldStopPixels);
}

// The moons hidden behind the disc or in its shadow are not drawn, and are
// said to be; two beyond the same edge share one mark; the Red Spot is drawn
// on the visible hemisphere only.
TEST(PlanPicture, HiddenMoonsSharedMarksAndTheRedSpot) {
  SensorView view = ViewWith(Target::Jupiter, 306);
  view.target->moons = std::array<GalileanMoonView, 4>{};
  auto& moons = *view.target->moons;
  moons[0].offset = {0.3, 0}, moons[0].depth = -5, moons[0].occulted = true;
  moons[1].offset = {3, 0}, moons[1].eclipsed = true;
  moons[2].offset = {-14, 0.5};
  moons[3].offset = {-20, 0.8};
  view.target->disc.systemII = 100;
  view.redSpotLongitude = 130;  // 30 degrees east of the central meridian
  view.redSpotTransit = CivilTime{2026, 12, 7, 22, 0, 0};
  const DisplayList list = PlanPicture(view);
  EXPECT_TRUE(AllMarked<EllipseShape>(list, "moon").empty());
  ASSERT_EQ(AllMarked<PathShape>(list, "moon-edge").size(), 1u);
  const auto labels = AllMarked<TextShape>(list, "moon-label");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0]->text, "Ganimede, Callisto");
  EXPECT_NE(list.description.find("Io dietro Giove"), std::string::npos);
  EXPECT_NE(list.description.find("Europa nell'ombra di Giove"), std::string::npos);
  const auto& spot = std::get<EllipseShape>(Marked(list, "red-spot")->figure);
  const auto& disc = std::get<EllipseShape>(Marked(list, "target")->figure);
  EXPECT_LT(spot.cx, disc.cx);  // east, to the left
  EXPECT_GT(spot.cy, disc.cy);  // south
  EXPECT_NE(list.description.find("ora sull'emisfero visibile"), std::string::npos);
  view.redSpotLongitude = 200;  // on the far side
  EXPECT_EQ(Marked(PlanPicture(view), "red-spot"), nullptr);
}

TEST(DiscFigure, PlacesOnTheDisc) {
  const DiscFrame upright{{100, 50}, 10, 0, 1};
  const DiscFrame eastward{{100, 50}, 10, 90, 1};
  const struct {
    const char* what;
    DiscFrame disc;
    JovianOffset offset;
    PicturePoint at;
  } cases[] = {
      {"west is to the right", upright, {2, 0}, {120, 50}},
      {"north is up", upright, {0, 1}, {100, 40}},
      {"a pole to the east: north to the left", eastward, {0, 1}, {90, 50}},
      {"a pole to the east: west is up", eastward, {1, 0}, {100, 40}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PicturePoint at = OnDisc(c.disc, c.offset);
    EXPECT_NEAR(at.x, c.at.x, 1e-12);
    EXPECT_NEAR(at.y, c.at.y, 1e-12);
  }
  // Saturn's 54364 / 60268 seen 26 degrees from its equator's plane.
  EXPECT_NEAR(ApparentPolarRatio(54364.0 / 60268.0, 26), 0.9217, 5e-5);
  EXPECT_DOUBLE_EQ(ApparentPolarRatio(0.9, 90), 1);
  // The Red Spot on the meridian: 22 degrees south (planetographic) is
  // 0.3305 radii south of the centre; 16,350 km long, 0.2287 radii.
  const std::optional<EllipseShape> spot = RedSpotOval({{0, 0}, 1, 0, 1}, 40, 40);
  ASSERT_TRUE(spot);
  EXPECT_NEAR(spot->cx, 0, 1e-12);
  EXPECT_NEAR(spot->cy, 0.3305, 1e-4);
  EXPECT_NEAR(2 * spot->rx, 16350.0 / 71492.0, 1e-9);
  EXPECT_FALSE(RedSpotOval({{0, 0}, 1, 0, 1}, 140, 40));
}

TEST(PictureLabels, EdgesOverlapsAndPlaces) {
  const PictureBox box{0, 0, 100, 50};
  const struct {
    PicturePoint towards, at;
  } edges[] = {{{250, -25}, {100, 12.5}}, {{50, 500}, {50, 50}}, {{-50, 25}, {0, 25}}};
  for (const auto& e : edges) {
    const PicturePoint at = EdgePoint(box, {50, 25}, e.towards);
    EXPECT_NEAR(at.x, e.at.x, 1e-12);
    EXPECT_NEAR(at.y, e.at.y, 1e-12);
  }
  EXPECT_EQ(Overlap({0, 0, 10, 10}, {5, 5, 10, 10}), 25);
  EXPECT_EQ(Overlap({0, 0, 10, 10}, {10, 0, 10, 10}), 0);
  EXPECT_NEAR(TextWidthEstimate("Europa", 9), 32.4, 1e-12);
  EXPECT_NEAR(TextWidthEstimate("\xC3\xA8", 10), 6, 1e-12);  // one character, two bytes
  // The first free place; else the least hidden one.
  std::vector<PictureBox> taken{{0, 0, 10, 10}};
  const PictureBox first[] = {{5, 5, 10, 10}, {20, 0, 10, 10}};
  EXPECT_EQ(PlaceLabel(first, taken, box), 1u);
  // Hiding 100, 50, and 50 of a label plus 50 outside the picture.
  const PictureBox second[] = {{0, 0, 10, 10}, {15, 0, 10, 10}, {-5, 0, 10, 10}};
  EXPECT_EQ(PlaceLabel(second, taken, box), 1u);
  EXPECT_EQ(taken.size(), 3u);
}

}  // namespace
}  // namespace celforo
