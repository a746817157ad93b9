// A picture of every kind of shape a display list has, and where each painter
// must put which colour: SVG in the browsers, QPainter and GDI read back the
// same probes, by day and by night. Each probe lies at least a unit and a
// half from any edge, so that anti-aliasing and GDI's rounding agree on it.
#pragma once

#include <array>

#include "ui/display_list.h"
#include "ui/lit_disc.h"

namespace celforo::testing {

inline constexpr double kSampleWidth = 260, kSampleHeight = 180;

// A point and the role whose colour is painted there.
struct ShapeProbe {
  double x, y;
  Role role;
  const char* what;
};

// A box holding ink (any colour but the sky's) somewhere, or none at all.
struct InkRegion {
  PictureBox box;
  bool inked;
  const char* what;
};

inline DisplayList ShapeSample() {
  DisplayList list;
  list.width = kSampleWidth;
  list.height = kSampleHeight;
  list.name = "FORME";
  list.description = "Ogni forma <una volta> & \"basta\"";
  const auto add = [&](auto figure, std::string_view mark = {}) {
    list.shapes.push_back({std::move(figure), mark});
  };
  add(RectShape{{0, 0, kSampleWidth, kSampleHeight}, Role::SkyGround, std::nullopt, 0});
  // A disc a quarter lit, its bright limb to the east (the left).
  add(EllipseShape{40, 40, 30, 30, Role::TargetDark, std::nullopt, 0, EllipsePart::Whole});
  add(PathShape{LitDiscOutline({40, 40}, 30, 0.25, 90), Role::TargetDisc, std::nullopt, 0}, "lit");
  // An oval turned 30 degrees counter-clockwise, and half a ring turned 40
  // degrees clockwise.
  add(EllipseShape{120, 40, 34, 8, Role::RedSpot, std::nullopt, 0, EllipsePart::Whole, 30}, "spot");
  add(EllipseShape{210, 40, 32, 14, std::nullopt, Role::TargetRings, 4, EllipsePart::UpperHalf,
                   -40});
  add(TextShape{{10, 84, 110, 20}, "NE", Role::MoonLabel, 14, true, TextAlign::Right});
  add(TextShape{{140, 84, 110, 20}, "Io", Role::MoonLabel, 14, true, TextAlign::Left});
  add(PolylineShape{{{10, 110}, {60, 126}, {110, 110}}, Role::AltitudeCurve, 3}, "curve");
  // Dashes of 8 round a corner 40 from the start: the pattern goes on past it.
  add(PolylineShape{{{10, 140}, {50, 140}, {50, 176}}, Role::MinimumAltitude, 3, 8}, "minimum");
  // A concave outline filled and outlined, and a triangle outlined alone.
  add(PathShape{{{100, 140}, {150, 140}, {150, 176}, {130, 176}, {130, 156}, {100, 156}},
                Role::CivilTwilight,
                Role::InstantMark,
                3});
  add(PathShape{{{180, 140}, {250, 140}, {215, 176}}, std::nullopt, Role::HourTick, 2});
  return list;
}

inline constexpr std::array<ShapeProbe, 19> kShapeProbes{{
    {17, 40, Role::TargetDisc, "the crescent's lit part"},
    {50, 40, Role::TargetDark, "the disc's dark part"},
    {40, 76, Role::SkyGround, "the sky below the disc"},
    {140.8, 28, Role::RedSpot, "the turned oval along its turned axis"},
    {144, 40, Role::SkyGround, "where the oval would lie unturned"},
    {219, 29.3, Role::TargetRings, "the turned half ring's middle"},
    {201, 50.7, Role::SkyGround, "where its other half would be"},
    {35, 118, Role::AltitudeCurve, "on the line"},
    {35, 126, Role::SkyGround, "beside the line"},
    {14, 140, Role::MinimumAltitude, "the first dash"},
    {22, 140, Role::SkyGround, "the first gap"},
    {50, 152, Role::MinimumAltitude, "a dash past the corner"},
    {50, 160, Role::SkyGround, "a gap past the corner"},
    {140, 166, Role::CivilTwilight, "inside the filled outline"},
    {115, 148, Role::CivilTwilight, "inside its other arm"},
    {115, 166, Role::SkyGround, "in its notch"},
    {120, 140, Role::InstantMark, "on its outline"},
    {215, 150, Role::SkyGround, "inside the outline not filled"},
    {215, 140, Role::HourTick, "on that outline"},
}};

inline constexpr std::array<InkRegion, 4> kInkRegions{{
    {{96, 86, 24, 16}, true, "the right-aligned text at its box's right"},
    {{10, 84, 70, 20}, false, "nothing left of it"},
    {{140, 86, 22, 16}, true, "the left-aligned text at its box's left"},
    {{180, 84, 70, 20}, false, "nothing right of it"},
}};

}  // namespace celforo::testing
