#include "ui/plan_picture.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <string>
#include <utility>

#include "calc/checked_arithmetic.h"
#include "calc/jupiter_sight.h"
#include "calc/planning.h"
#include "ui/disc_figure.h"
#include "ui/picture_labels.h"
#include "ui/plan_picture_text.h"
#include "ui/shape_points.h"

namespace celforo {
namespace {

constexpr double kSkyHeight = kPlanPictureHeight - kPlanPictureTextHeight;
constexpr PictureBox kSky{0, 0, kPlanPictureWidth, kSkyHeight};
constexpr double kMargin = 10;  // around the frame, at the least
constexpr double kPen = 1.5;
constexpr double kTextPixels = 11;
constexpr double kLabelPixels = 9;
constexpr double kLabelHeight = 10;
constexpr double kLeastMoonRadius = 1;
// Where a moon is drawn as one: at least 4 units inside the picture's edge;
// nearer it, or beyond, it is marked at the edge.
constexpr PictureBox kMoonsShown{4, 4, kPlanPictureWidth - 8, kSkyHeight - 8};
constexpr std::string_view kPictureName = "CAMPO DEL SENSORE";

// The moons' mean radii, km (IAU, B. A. Archinal et al., "Report of the IAU
// Working Group on Cartographic Coordinates and Rotational Elements: 2015",
// 2018), and Jupiter's equatorial radius, in the order of GalileanMoon.
constexpr std::array<double, 4> kMoonRadii{1821.49, 1560.8, 2631.2, 2410.3};
constexpr double kJupiterRadius = 71492;

// The N-E mark in the top-left corner: its corner, its arms' length, and
// the box it takes with its letters.
constexpr PicturePoint kMarkCorner{24, 26};
constexpr double kMarkArm = 12;
constexpr PictureBox kMarkBox{0, 0, 30, 32};

PicturePoint Plus(PicturePoint a, PicturePoint b, double times = 1) {
  return {a.x + times * b.x, a.y + times * b.y};
}

PictureBox Shifted(PictureBox box, double dx, double dy) {
  return {box.left + dx, box.top + dy, box.width, box.height};
}

// Moved across to lie within the picture's width.
PictureBox WithinWidth(PictureBox box) {
  box.left = std::clamp(box.left, 1.0, kPlanPictureWidth - 1 - box.width);
  return box;
}

// Moved to lie within the sky, across and up or down.
PictureBox WithinSky(PictureBox box) {
  box = WithinWidth(box);
  box.top = std::clamp(box.top, 1.0, kSkyHeight - 1 - box.height);
  return box;
}

double Distance(PicturePoint a, PicturePoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

void AddText(std::vector<Shape>& shapes, PictureBox box, std::string_view text, Role ink,
             double pixels, TextAlign align, std::string_view mark) {
  shapes.push_back({TextShape{box, std::string(text), ink, pixels, false, align}, mark});
}

// The picture built piece by piece: the shapes behind the frame, the ones
// over it (labels, marks), and where the labels lie.
class PictureBuilder {
public:
  PictureBuilder(const SensorView& view, DisplayList& list) : view_(view), list_(list) {
    const double width = view.sensor.width, height = view.sensor.height;
    scale_ =
        std::min((kPlanPictureWidth - 2 * kMargin) / width, (kSkyHeight - 2 * kMargin) / height);
    centre_ = {kPlanPictureWidth / 2, kSkyHeight / 2};
    frame_ = {centre_.x - width * scale_ / 2, centre_.y - height * scale_ / 2, width * scale_,
              height * scale_};
    taken_.push_back(kMarkBox);
  }

  void DrawTarget() {
    const TargetOnDate& target = *view_.target;
    const DiscView& seen = target.disc;
    const double radius = view_.discPixels * scale_ / 2;
    // The Sun and the Moon beyond the frame: their bright limb (the Sun's
    // northern) across its centre.
    const bool limb = (target.target == Target::Sun || target.target == Target::Moon) &&
                      view_.discPixels > std::min(view_.sensor.width, view_.sensor.height);
    const PicturePoint centre =
        limb ? Plus(centre_, TowardsAngle(seen.brightLimbAngle.value_or(0)), -radius) : centre_;
    const double latitude = target.target == Target::Saturn ? target.size.ringTilt : 0;
    disc_ = {centre, radius, seen.northPoleAngle.value_or(0),
             ApparentPolarRatio(PolarRatio(target.target), latitude)};
    taken_.push_back({centre.x - radius, centre.y - radius, 2 * radius, 2 * radius});

    if (view_.ringsPixels > 0) FarRings();
    if (target.moons) Moons(*target.moons, false);
    Globe();
    if (target.moons) OnJupiter(*target.moons);
    if (view_.ringsPixels > 0) NearRings();
    if (target.moons) Moons(*target.moons, true);
    // The marks at the edge first, which have the fewer places to go; no
    // label over a moon.
    for (const Drawn& moon : drawn_)
      taken_.push_back({moon.at.x - moon.radius - 1, moon.at.y - moon.radius - 1,
                        2 * moon.radius + 2, 2 * moon.radius + 2});
    EdgeMarks();
    for (const Drawn& moon : drawn_) MoonLabel(moon.index, moon.at, moon.radius);
  }

  void FieldStop() {
    if (!view_.fieldStopPixels) return;
    const double radius = *view_.fieldStopPixels * scale_ / 2;
    list_.shapes.push_back({EllipseShape{centre_.x, centre_.y, radius, radius, std::nullopt,
                                         Role::FieldStop, 1.25, EllipsePart::Whole, 0},
                            "field-stop"});
    facts_.vignetting =
        CornersOutsideStop(view_.sensor.width, view_.sensor.height, *view_.fieldStopPixels);
  }

  // The frame, then what lies over it, the N-E mark and the foot.
  void Finish() {
    list_.shapes.push_back({RectShape{frame_, std::nullopt, Role::SensorFrame, kPen}, "sensor"});
    for (Shape& shape : over_) list_.shapes.push_back(std::move(shape));
    NorthEastMark();
    list_.shapes.push_back({RectShape{{0, kSkyHeight, kPlanPictureWidth, kPlanPictureTextHeight},
                                      Role::WindowGround,
                                      std::nullopt,
                                      0},
                            {}});
    AddText(list_.shapes, {4, kSkyHeight, kPlanPictureWidth - 8, kPlanPictureTextHeight},
            PlanLine(view_, facts_), Role::PictureText, kTextPixels, TextAlign::Centre, {});
    list_.description = PlanDescription(view_, facts_);
  }

private:
  double RingsRadius() const { return view_.ringsPixels * scale_ / 2; }
  double Tilt() const { return view_.target->size.ringTilt; }

  // The rings' outer edge (a line where they are too thin to fill), the
  // Cassini division, and the sky within the B ring's inner edge.
  void FarRings() {
    EllipseShape outer = RingEdge(disc_, RingsRadius(), Tilt(), 1);
    outer.fill = Role::TargetRings;
    if (outer.ry < 0.75) outer.stroke = Role::TargetRings;
    list_.shapes.push_back({outer, "rings"});
    EllipseShape cassini = Cassini();
    if (cassini.pen >= 0.4) list_.shapes.push_back({cassini, {}});
    EllipseShape inner = RingEdge(disc_, RingsRadius(), Tilt(), kRingBInnerEdge);
    inner.fill = Role::SkyGround;
    list_.shapes.push_back({inner, {}});
  }

  EllipseShape Cassini() const {
    EllipseShape cassini = RingEdge(disc_, RingsRadius(), Tilt(), kCassiniDivision);
    cassini.stroke = Role::SkyGround;
    cassini.pen = kCassiniDivisionWidth * RingsRadius();
    return cassini;
  }

  // The half of the rings before the globe, with its Cassini division.
  void NearRings() {
    const EllipseShape outer = RingEdge(disc_, RingsRadius(), Tilt(), 1);
    const EllipseShape inner = RingEdge(disc_, RingsRadius(), Tilt(), kRingBInnerEdge);
    const EllipsePart near = Tilt() >= 0 ? EllipsePart::LowerHalf : EllipsePart::UpperHalf;
    if (outer.ry < 0.75) {
      EllipseShape line = outer;
      line.stroke = Role::TargetRings;
      line.part = near;
      list_.shapes.push_back({line, "rings-near"});
      return;
    }
    list_.shapes.push_back(
        {PathShape{NearRingHalf(inner, outer, Tilt()), Role::TargetRings, std::nullopt, 0},
         "rings-near"});
    EllipseShape cassini = Cassini();
    cassini.part = near;
    if (cassini.pen >= 0.4) list_.shapes.push_back({cassini, {}});
  }

  // The disc dark where the Sun does not reach, the lit part over it.
  void Globe() {
    const DiscView& seen = view_.target->disc;
    if (!seen.brightLimbAngle) {
      list_.shapes.push_back({DiscOutline(disc_, Role::TargetDisc), "target"});
      return;
    }
    list_.shapes.push_back({DiscOutline(disc_, Role::TargetDark), "target"});
    list_.shapes.push_back(
        {PathShape{LitPart(disc_, seen.illuminatedFraction, *seen.brightLimbAngle),
                   Role::TargetDisc, std::nullopt, 0},
         "lit"});
  }

  double MoonRadius(std::size_t moon) const {
    return std::max(disc_.radius * kMoonRadii[moon] / kJupiterRadius, kLeastMoonRadius);
  }

  // On the disc: the Red Spot, then the moons' shadows, each as large as
  // its moon: the middle of its penumbra, whose umbra is smaller and whose
  // whole is larger by about as much.
  void OnJupiter(const std::array<GalileanMoonView, 4>& moons) {
    const DiscView& seen = view_.target->disc;
    if (view_.redSpotLongitude && seen.systemII) {
      if (std::optional<EllipseShape> spot =
              RedSpotOval(disc_, *view_.redSpotLongitude, *seen.systemII)) {
        list_.shapes.push_back({*spot, "red-spot"});
        facts_.redSpotSeen = true;
      }
    }
    for (std::size_t i = 0; i < moons.size(); ++i) {
      if (!moons[i].shadow) continue;
      const PicturePoint at = OnDisc(disc_, *moons[i].shadow);
      const double r = MoonRadius(i);
      list_.shapes.push_back(
          {EllipseShape{at.x, at.y, r, r, Role::MoonShadow, std::nullopt, 0, EllipsePart::Whole, 0},
           "shadow"});
    }
  }

  // The moons on the far side of Jupiter's centre (before the globe) or on
  // the near side (after it), each with its name, or its mark at the edge.
  void Moons(const std::array<GalileanMoonView, 4>& moons, bool nearSide) {
    if (!facts_.moons) facts_.moons.emplace();
    for (std::size_t i = 0; i < moons.size(); ++i) {
      const GalileanMoonView& moon = moons[i];
      if ((moon.depth > 0) != nearSide) continue;
      MoonFact& fact = (*facts_.moons)[i];
      const PicturePoint at = OnDisc(disc_, moon.offset);
      fact.east = moon.offset.x < 0;
      fact.inTransit = moon.inTransit;
      fact.shadowOnDisc = moon.shadow.has_value();
      fact.place = moon.occulted             ? MoonPlace::Behind
                   : moon.eclipsed           ? MoonPlace::Eclipsed
                   : Inside(frame_, at)      ? MoonPlace::InField
                   : Inside(kMoonsShown, at) ? MoonPlace::InPicture
                                             : MoonPlace::BeyondEdge;
      if (fact.place == MoonPlace::Behind || fact.place == MoonPlace::Eclipsed) continue;
      if (fact.place == MoonPlace::BeyondEdge) {
        beyond_.push_back({i, at});
        continue;
      }
      const double r = MoonRadius(i);
      list_.shapes.push_back(
          {EllipseShape{at.x, at.y, r, r, Role::MoonDisc, std::nullopt, 0, EllipsePart::Whole, 0},
           "moon"});
      drawn_.push_back({i, at, r});
    }
  }

  // The name above the moon, or below, beside or a line farther, wherever
  // it hides the least.
  void MoonLabel(std::size_t moon, PicturePoint at, double r) {
    const std::string_view name = kGalileanMoonNames[moon];
    const double w = TextWidthEstimate(name, kLabelPixels) + 2, h = kLabelHeight;
    const PictureBox above = WithinWidth({at.x - w / 2, at.y - r - 1 - h, w, h});
    const PictureBox below = WithinWidth({at.x - w / 2, at.y + r + 1, w, h});
    const PictureBox candidates[] = {
        above,
        below,
        WithinWidth({at.x + r + 2, at.y - h / 2, w, h}),
        WithinWidth({at.x - r - 2 - w, at.y - h / 2, w, h}),
        Shifted(above, 0, -h),
        Shifted(below, 0, h),
    };
    const PictureBox box = candidates[PlaceLabel(candidates, taken_, kSky)];
    AddText(over_, box, name, Role::MoonLabel, kLabelPixels, TextAlign::Centre, "moon-label");
  }

  // The moons beyond the picture's edge: an arrowhead at the edge where
  // the line from Jupiter's centre to each leaves the picture, pointing
  // out, and the name inside; moons whose arrowheads would lie within 20
  // units share the nearest one's, their names in one label, nearest first.
  void EdgeMarks() {
    constexpr double kInset = 2, kHead = 7, kHalfWidth = 3.5, kGap = 2, kShared = 20;
    const PictureBox inner{kInset, kInset, kPlanPictureWidth - 2 * kInset, kSkyHeight - 2 * kInset};
    // Nearest first. At most four moons, sorted by insertion: moons as far
    // as one another keep their order, the same in every standard library.
    for (std::size_t i = 1; i < beyond_.size(); ++i) {
      for (std::size_t j = i; j > 0 && Distance(beyond_[j].at, disc_.centre) <
                                           Distance(beyond_[j - 1].at, disc_.centre);
           --j)
        std::swap(beyond_[j], beyond_[j - 1]);
    }
    struct Mark {
      PicturePoint tip, out;
      std::string names;
    };
    std::vector<Mark> marks;
    for (const Beyond& moon : beyond_) {
      const PicturePoint tip = EdgePoint(inner, disc_.centre, moon.at);
      const std::string_view name = kGalileanMoonNames[moon.index];
      const auto shared = std::find_if(marks.begin(), marks.end(), [&](const Mark& mark) {
        return Distance(mark.tip, tip) < kShared;
      });
      if (shared != marks.end()) {
        shared->names += ", " + std::string(name);
        continue;
      }
      const double length = Distance(moon.at, disc_.centre);
      marks.push_back(
          {tip,
           {(moon.at.x - disc_.centre.x) / length, (moon.at.y - disc_.centre.y) / length},
           std::string(name)});
    }
    // The arrowheads, then their names, which keep clear of all of them.
    const auto baseOf = [&](const Mark& mark) { return Plus(mark.tip, mark.out, -kHead); };
    for (const Mark& mark : marks) {
      const PicturePoint base = baseOf(mark);
      const PicturePoint across{-mark.out.y * kHalfWidth, mark.out.x * kHalfWidth};
      std::vector<PicturePoint> head{mark.tip, Plus(base, across), Plus(base, across, -1)};
      const auto [x0, x1] = std::minmax({head[0].x, head[1].x, head[2].x});
      const auto [y0, y1] = std::minmax({head[0].y, head[1].y, head[2].y});
      taken_.push_back({x0, y0, x1 - x0, y1 - y0});
      over_.push_back({PathShape{std::move(head), Role::MoonDisc, std::nullopt, 0}, "moon-edge"});
    }
    for (const Mark& mark : marks) {
      // The name beside the arrowhead's base on the picture's side of the
      // edge it is on, or on another side, within the picture.
      const PicturePoint base = baseOf(mark);
      const double w = TextWidthEstimate(mark.names, kLabelPixels) + 2, h = kLabelHeight;
      const PictureBox above = WithinSky({base.x - w / 2, base.y - kHalfWidth - kGap - h, w, h});
      const PictureBox below = WithinSky({base.x - w / 2, base.y + kHalfWidth + kGap, w, h});
      const PictureBox right = WithinSky({base.x + kHalfWidth + kGap, base.y - h / 2, w, h});
      const PictureBox left = WithinSky({base.x - kHalfWidth - kGap - w, base.y - h / 2, w, h});
      const bool onSide =
          mark.tip.x <= inner.left + 1e-9 || mark.tip.x >= inner.left + inner.width - 1e-9;
      const bool outLeft = mark.out.x < 0, outUp = mark.out.y < 0;
      const PictureBox inward = onSide ? (outLeft ? right : left) : (outUp ? below : above);
      const PictureBox aside = onSide ? (outUp ? below : above) : (outLeft ? right : left);
      const PictureBox candidates[] = {inward, aside, above, below, right, left};
      const PictureBox box = candidates[PlaceLabel(candidates, taken_, kSky)];
      AddText(over_, box, mark.names, Role::MoonLabel, kLabelPixels, TextAlign::Centre,
              "moon-label");
    }
  }

  // North up, east to the left: two arms from a corner, with their letters.
  void NorthEastMark() {
    const PicturePoint north{kMarkCorner.x, kMarkCorner.y - kMarkArm};
    const PicturePoint east{kMarkCorner.x - kMarkArm, kMarkCorner.y};
    list_.shapes.push_back(
        {PolylineShape{{north, kMarkCorner, east}, Role::NorthEastMark, 1, 0}, {}});
    AddText(list_.shapes, {north.x - 5, north.y - 10, 10, 10}, "N", Role::NorthEastMark,
            kLabelPixels, TextAlign::Centre, {});
    AddText(list_.shapes, {east.x - 11, east.y - 5, 10, 10}, "E", Role::NorthEastMark, kLabelPixels,
            TextAlign::Centre, {});
  }

  const SensorView& view_;
  DisplayList& list_;
  double scale_ = 1;  // picture units per sensor pixel
  PicturePoint centre_;
  PictureBox frame_;
  DiscFrame disc_;
  PictureFacts facts_;
  std::vector<Shape> over_;
  std::vector<PictureBox> taken_;
  struct Beyond {
    std::size_t index;
    PicturePoint at;
  };
  std::vector<Beyond> beyond_;  // the moons beyond the picture's edge
  struct Drawn {
    std::size_t index;
    PicturePoint at;
    double radius;
  };
  std::vector<Drawn> drawn_;  // the moons drawn, to be named
};

}  // namespace

Computed<SensorView> ViewOf(const CameraAndTarget& inputs, double equivalentFocalLength,
                            std::optional<double> magnification) {
  CheckedArithmetic a;
  SensorView view;
  view.sensor = *inputs.sensor;
  const double pixelSize = *inputs.pixelSize;
  view.fieldWidth = a.Take(FieldOfView(equivalentFocalLength, pixelSize, view.sensor.width));
  view.fieldHeight = a.Take(FieldOfView(equivalentFocalLength, pixelSize, view.sensor.height));
  if (inputs.fieldStop && magnification)
    view.fieldStopPixels = a.Take(FieldStopPixels(*inputs.fieldStop, *magnification, pixelSize));
  view.target = inputs.target;
  if (view.target) {
    const TargetSize& size = view.target->size;
    view.discPixels = a.Take(DiscPixels(equivalentFocalLength, pixelSize, size.diameter));
    if (size.ringsDiameter > 0)
      view.ringsPixels = a.Take(DiscPixels(equivalentFocalLength, pixelSize, size.ringsDiameter));
    if (view.target->redSpotTransit) {
      view.redSpotLongitude =
          inputs.observing.redSpotLongitude.value_or(DefaultRedSpotLongitude(view.target->instant));
      // To the nearest minute, as the planning columns give it: the picture
      // shows hours and minutes.
      view.redSpotTransit =
          LocalCivilTime(*view.target->redSpotTransit +
                         std::chrono::duration_cast<Days>(std::chrono::seconds(30)));
    }
  }
  return a.Result(std::move(view));
}

Computed<SensorView> SetUpView(const CameraAndTarget& inputs, const ProjectionResults& results) {
  return ViewOf(inputs, results.equivalentFocalLength, results.magnification);
}

DisplayList PlanPicture(const SensorView& view) {
  DisplayList list;
  list.width = kPlanPictureWidth;
  list.height = kPlanPictureHeight;
  list.name = kPictureName;
  list.shapes.reserve(40);
  list.shapes.push_back({RectShape{kSky, Role::SkyGround, std::nullopt, 0}, {}});
  PictureBuilder builder(view, list);
  if (view.target) builder.DrawTarget();
  builder.FieldStop();
  builder.Finish();
  return list;
}

DisplayList EmptyPlanPicture(std::string_view why) {
  DisplayList list;
  list.width = kPlanPictureWidth;
  list.height = kPlanPictureHeight;
  list.name = kPictureName;
  list.description = why;
  list.shapes.push_back({RectShape{kSky, Role::SkyGround, std::nullopt, 0}, {}});
  list.shapes.push_back({RectShape{{0, kSkyHeight, kPlanPictureWidth, kPlanPictureTextHeight},
                                   Role::WindowGround,
                                   std::nullopt,
                                   0},
                         {}});
  AddText(list.shapes, {4, kSkyHeight, kPlanPictureWidth - 8, kPlanPictureTextHeight}, why,
          Role::PictureText, kTextPixels, TextAlign::Centre, {});
  return list;
}

}  // namespace celforo
