// The shapes of the pictures without a painter: curves and dashes as points,
// the lit part of a disc, the colours each role takes, and the SVG the page
// and exported files hold.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/shape_sample.h"
#include "ui/css_values.h"
#include "ui/lit_disc.h"
#include "ui/palette.h"
#include "ui/shape_points.h"
#include "ui/svg_writer.h"

namespace celforo {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The components of a point about an ellipse's centre along its turned rx
// axis (u) and its turned ry axis (v, "up" before turning).
PicturePoint Turned(const EllipseShape& e, PicturePoint p) {
  const double turn = e.rotation * kDegree, dx = p.x - e.cx, dy = p.y - e.cy;
  return {dx * std::cos(turn) - dy * std::sin(turn), -dx * std::sin(turn) - dy * std::cos(turn)};
}

TEST(EllipsePoints, FollowTheTurnedOutlineAndItsHalves) {
  const auto shape = [](double rx, double ry, EllipsePart part, double rotation) {
    return EllipseShape{0, 0, rx, ry, std::nullopt, std::nullopt, 1, part, rotation};
  };
  const struct {
    const char* what;
    EllipseShape ellipse;
    PicturePoint first, last;
  } cases[] = {
      {"a circle, up first", shape(10, 10, EllipsePart::Whole, 0), {10, 0}, {10, 0}},
      {"its upper half", shape(10, 10, EllipsePart::UpperHalf, 0), {10, 0}, {-10, 0}},
      {"a lower half", shape(10, 4, EllipsePart::LowerHalf, 0), {-10, 0}, {10, 0}},
      // Turned a quarter counter-clockwise: rx points up, "up" to the left.
      {"turned a quarter", shape(20, 10, EllipsePart::UpperHalf, 90), {0, -20}, {0, 20}},
      {"turned back 40",
       shape(32, 14, EllipsePart::LowerHalf, -40),
       {-24.5134, -20.5689},
       {24.5134, 20.5689}},
      {"a large one",
       shape(300, 100, EllipsePart::Whole, 15),
       {289.778, -77.6457},
       {289.778, -77.6457}},
      {"a small one", shape(0.5, 0.5, EllipsePart::Whole, 0), {0.5, 0}, {0.5, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<PicturePoint> points = EllipsePoints(c.ellipse);
    ASSERT_GE(points.size(), 13u);
    EXPECT_NEAR(points.front().x, c.first.x, 1e-3);
    EXPECT_NEAR(points.front().y, c.first.y, 1e-3);
    EXPECT_NEAR(points.back().x, c.last.x, 1e-3);
    EXPECT_NEAR(points.back().y, c.last.y, 1e-3);
    const double rx = c.ellipse.rx, ry = c.ellipse.ry;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PicturePoint p = Turned(c.ellipse, points[i]);
      ASSERT_NEAR(p.x * p.x / (rx * rx) + p.y * p.y / (ry * ry), 1, 1e-9) << i;
      if (c.ellipse.part == EllipsePart::UpperHalf) {
        ASSERT_GE(p.y, -1e-9) << i;
      } else if (c.ellipse.part == EllipsePart::LowerHalf) {
        ASSERT_LE(p.y, 1e-9) << i;
      }
      if (i == 0) continue;
      // Counter-clockwise as seen, and no chord far from the curve: the
      // curve's point halfway between two points' angles lies near their
      // chord's middle.
      const PicturePoint q = Turned(c.ellipse, points[i - 1]);
      const double a0 = std::atan2(q.y / ry, q.x / rx), a1 = std::atan2(p.y / ry, p.x / rx);
      const double step = std::remainder(a1 - a0, 2 * std::numbers::pi);
      ASSERT_GT(step, 0) << i;
      const double mid = a0 + step / 2;
      ASSERT_LT(
          std::hypot(rx * std::cos(mid) - (p.x + q.x) / 2, ry * std::sin(mid) - (p.y + q.y) / 2),
          0.06)
          << i;
    }
  }
  // Turned a quarter, the upper half is the left one, reaching x = -10.
  double leftmost = 0;
  for (const PicturePoint& p : EllipsePoints(cases[3].ellipse)) leftmost = std::min(leftmost, p.x);
  EXPECT_NEAR(leftmost, -10, 0.06);
}

TEST(DashRuns, DashesAndGapsGoOnAlongTheLine) {
  using Points = std::vector<PicturePoint>;
  const double nan = std::nan("");
  const struct {
    const char* what;
    Points line;
    double dash;
    std::vector<Points> runs;
  } cases[] = {
      {"the header's example", {{0, 0}, {10, 0}}, 3, {{{0, 0}, {3, 0}}, {{6, 0}, {9, 0}}}},
      {"a dash round a corner",
       {{0, 0}, {7, 0}, {7, 4}},
       3,
       {{{0, 0}, {3, 0}}, {{6, 0}, {7, 0}, {7, 2}}}},
      {"a gap round a corner", {{0, 0}, {4, 0}, {4, 5}}, 3, {{{0, 0}, {3, 0}}, {{4, 2}, {4, 5}}}},
      {"ending with a gap", {{0, 0}, {6, 0}}, 3, {{{0, 0}, {3, 0}}}},
      {"ending with a dash", {{0, 0}, {0, 9}}, 3, {{{0, 0}, {0, 3}}, {{0, 6}, {0, 9}}}},
      {"undashed", {{0, 0}, {5, 5}, {9, 0}}, 0, {{{0, 0}, {5, 5}, {9, 0}}}},
      {"a dash below zero", {{0, 0}, {5, 5}}, -2, {{{0, 0}, {5, 5}}}},
      {"a dash not a number", {{0, 0}, {5, 5}}, nan, {{{0, 0}, {5, 5}}}},
      {"dashes too many to draw", {{0, 0}, {1000, 0}}, 0.04, {{{0, 0}, {1000, 0}}}},
      {"a dash too fine to write", {{0, 0}, {1, 0}}, 0.004, {{{0, 0}, {1, 0}}}},
      {"one point dashed", {{3, 3}}, 3, {}},
      {"no points", {}, 3, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<Points> runs = DashRuns(c.line, c.dash);
    ASSERT_EQ(runs.size(), c.runs.size());
    for (std::size_t r = 0; r < runs.size(); ++r) {
      ASSERT_EQ(runs[r].size(), c.runs[r].size()) << r;
      for (std::size_t i = 0; i < runs[r].size(); ++i) {
        EXPECT_NEAR(runs[r][i].x, c.runs[r][i].x, 1e-12) << r << ":" << i;
        EXPECT_NEAR(runs[r][i].y, c.runs[r][i].y, 1e-12) << r << ":" << i;
      }
    }
  }
}

// A polygon's area (positive either way round) and its centroid.
struct Area {
  double area, x, y;
};
Area AreaOf(const std::vector<PicturePoint>& p) {
  double twice = 0, x = 0, y = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const PicturePoint a = p[i], b = p[(i + 1) % p.size()];
    const double cross = a.x * b.y - b.x * a.y;
    twice += cross;
    x += (a.x + b.x) * cross;
    y += (a.y + b.y) * cross;
  }
  return {std::fabs(twice) / 2, x / (3 * twice), y / (3 * twice)};
}

TEST(LitDiscOutline, LitAsTheFractionSaysTowardsTheBrightLimb) {
  // Meeus, "Astronomical Algorithms", Example 48.a: the Moon on 1992 April
  // 12, k = 0.6786 and the bright limb at position angle 285.0 degrees; then
  // phases and angles across the range, east (90) to the left.
  const struct {
    double k, brightLimb;
  } cases[] = {{0.6786, 285.0}, {0.05, 0}, {0.25, 90}, {0.5, 200}, {0.9, 333}, {1, 45}, {0, 10}};
  const PicturePoint centre{150, 120};
  const double radius = 100;
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "k " << c.k << ", bright limb " << c.brightLimb);
    const std::vector<PicturePoint> outline = LitDiscOutline(centre, radius, c.k, c.brightLimb);
    for (const PicturePoint& p : outline)
      ASSERT_LE(std::hypot(p.x - centre.x, p.y - centre.y), radius + 1e-9);
    const Area lit = AreaOf(outline);
    EXPECT_NEAR(lit.area / (std::numbers::pi * radius * radius), c.k, 0.002);
    if (c.k <= 0.01 || c.k >= 0.99) continue;
    // The lit part's centroid lies towards the bright limb: north up, east left.
    const double towards = std::atan2(-(lit.x - centre.x), -(lit.y - centre.y)) / kDegree;
    EXPECT_NEAR(std::remainder(towards - c.brightLimb, 360), 0, 0.01);
  }
  // Example 48.a's terminator crosses the line through the bright limb's
  // midpoint 0.3572 of the radius beyond the centre, on the dark side.
  const std::vector<PicturePoint> moon = LitDiscOutline(centre, radius, 0.6786, 285.0);
  const PicturePoint bright{-std::sin(285 * kDegree), -std::cos(285 * kDegree)};
  const PicturePoint crossing{centre.x - 35.72 * bright.x, centre.y - 35.72 * bright.y};
  double nearest = radius;
  for (const PicturePoint& p : moon)
    nearest = std::min(nearest, std::hypot(p.x - crossing.x, p.y - crossing.y));
  EXPECT_LT(nearest, 0.05);
}

TEST(Palette, RolesDrawnOverEachOtherStayApart) {
  // The difference of two colours: summed over the channels by day, of red
  // alone by night.
  const auto apart = [](const Palette& palette, Role a, Role b) {
    const Rgb x = Colour(palette, a), y = Colour(palette, b);
    return std::abs(x.red - y.red) + std::abs(x.green - y.green) + std::abs(x.blue - y.blue);
  };
  const Role twilights[] = {Role::Daylight, Role::CivilTwilight, Role::NauticalTwilight,
                            Role::AstronomicalTwilight, Role::NightDark};
  const Role overTwilights[] = {Role::AltitudeCurve, Role::MinimumAltitude, Role::InstantMark,
                                Role::BestSpan, Role::HourTick};
  const std::pair<Role, Role> overEachOther[] = {
      {Role::HourLabel, Role::WindowGround}, {Role::TargetDisc, Role::TargetDark},
      {Role::MoonShadow, Role::TargetDisc},  {Role::RedSpot, Role::TargetDisc},
      {Role::RedSpot, Role::MoonShadow},     {Role::MoonDisc, Role::SkyGround},
      {Role::MoonLabel, Role::SkyGround},    {Role::FieldStop, Role::SkyGround},
      {Role::FieldStop, Role::TargetDisc},   {Role::NorthEastMark, Role::SkyGround},
      {Role::MoonShadow, Role::RedSpot},     {Role::TargetRings, Role::SkyGround},
  };
  for (const Theme theme : {Theme::Day, Theme::Night}) {
    SCOPED_TRACE(theme == Theme::Day ? "by day" : "by night");
    const Palette& palette = PaletteOf(theme);
    for (const auto& [a, b] : overEachOther)
      EXPECT_GE(apart(palette, a, b), 40) << static_cast<int>(a) << " on " << static_cast<int>(b);
    for (const Role line : overTwilights)
      for (const Role band : twilights)
        EXPECT_GE(apart(palette, line, band), 40)
            << static_cast<int>(line) << " on " << static_cast<int>(band);
    // From the Sun up, the twilights darken step by step towards the night.
    for (std::size_t i = 1; i < std::size(twilights); ++i) {
      const Rgb lighter = Colour(palette, twilights[i - 1]), darker = Colour(palette, twilights[i]);
      EXPECT_GE(apart(palette, twilights[i - 1], twilights[i]), 20) << i;
      EXPECT_GT(lighter.red + lighter.green + lighter.blue,
                darker.red + darker.green + darker.blue);
    }
    // The disc's dark part is barely to be told from the sky.
    const int dark = apart(palette, Role::TargetDark, Role::SkyGround);
    EXPECT_GT(dark, 0);
    EXPECT_LE(dark, 60);
  }
}

TEST(CssNumber, ToTheHundredthWithoutNeedlessDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{9.75, "9.75"},      {160.5, "160.5"},    {32, "32"},
               {-0.004, "0"},       {-3.5, "-3.5"},      {0.125, "0.13"},
               {std::nan(""), "0"}, {1e300, "10000000"}, {-1e300, "-10000000"}};
  for (const auto& c : cases) EXPECT_EQ(CssNumber(c.value), c.text) << c.value;
}

// The shape's markup in a picture of its own, by day.
std::string MarkupOf(Shape shape) {
  DisplayList list;
  list.width = 10;
  list.height = 10;
  list.shapes.push_back(std::move(shape));
  const std::string svg = SvgMarkup(list, kDayPalette);
  const std::size_t start = svg.find('>') + 1;
  return svg.substr(start, svg.size() - start - std::string("</svg>").size());
}

TEST(SvgWriter, EachShapeAsItsElement) {
  const struct {
    Shape shape;
    const char* markup;
  } cases[] = {
      // SVG turns clockwise as seen: the program's counter-clockwise 30 is -30.
      {{EllipseShape{120, 40, 34, 8, Role::RedSpot, std::nullopt, 0, EllipsePart::Whole, 30},
        "spot"},
       R"~(<ellipse class="spot" cx="120" cy="40" rx="34" ry="8" transform="rotate(-30 120 40)" )~"
       R"~(fill="rgb(190, 86, 58)" stroke="none"/>)~"},
      {{EllipseShape{5, 5, 3, 3, Role::MoonDisc, std::nullopt, 0, EllipsePart::Whole, 30}, {}},
       R"~(<circle cx="5" cy="5" r="3" fill="rgb(236, 232, 220)" stroke="none"/>)~"},
      // A half from one turned end of its rx axis to the other, over its ry
      // axis's end.
      {{EllipseShape{210, 40, 32, 14, std::nullopt, Role::TargetRings, 4, EllipsePart::UpperHalf,
                     -40},
        {}},
       R"~(<path d="M185.49 19.43A32 14 40 0 1 234.51 60.57" fill="none" )~"
       R"~(stroke="rgb(200, 180, 140)" stroke-width="4"/>)~"},
      {{EllipseShape{50, 50, 40, 10, std::nullopt, Role::TargetRings, 1.5, EllipsePart::LowerHalf},
        "rings-near"},
       R"~(<path class="rings-near" d="M10 50A40 10 0 0 0 90 50" fill="none" )~"
       R"~(stroke="rgb(200, 180, 140)" stroke-width="1.5"/>)~"},
      {{PolylineShape{{{10, 110}, {60, 126.5}, {110, 110}}, Role::AltitudeCurve, 3}, "curve"},
       R"~(<polyline class="curve" points="10,110 60,126.5 110,110" fill="none" )~"
       R"~(stroke="rgb(255, 214, 90)" stroke-width="3" stroke-linejoin="round"/>)~"},
      {{PolylineShape{{{0, 0}, {7, 0}, {7, 4}}, Role::MinimumAltitude, 1, 3}, {}},
       R"~(<polyline points="0,0 7,0 7,4" fill="none" stroke="rgb(255, 128, 96)" )~"
       R"~(stroke-width="1" stroke-dasharray="3" stroke-linejoin="round"/>)~"},
      // Too fine to draw dashed.
      {{PolylineShape{{{0, 0}, {1000, 0}}, Role::MinimumAltitude, 1, 0.001}, {}},
       R"~(<polyline points="0,0 1000,0" fill="none" stroke="rgb(255, 128, 96)" )~"
       R"~(stroke-width="1" stroke-linejoin="round"/>)~"},
      {{PathShape{{{0, 0}, {10, 0}, {5, 8.66}}, Role::CivilTwilight, Role::InstantMark, 2}, {}},
       R"~(<polygon points="0,0 10,0 5,8.66" fill="rgb(84, 112, 168)" )~"
       R"~(stroke="rgb(255, 255, 255)" stroke-width="2" stroke-linejoin="round"/>)~"},
      {{TextShape{{10, 84, 110, 20}, "NE", Role::MoonLabel, 14, true, TextAlign::Right}, {}},
       R"~(<text text-anchor="end" dominant-baseline="central" x="120" y="94" font-size="14" )~"
       R"~(font-weight="bold" fill="rgb(225, 225, 225)">NE</text>)~"},
  };
  for (const auto& c : cases) EXPECT_EQ(MarkupOf(c.shape), c.markup);
}

TEST(SvgWriter, TextIsMendedIntoWhatXmlHolds) {
  const struct {
    const char* what;
    std::string text, written;
  } cases[] = {
      {"markup's characters", "a<b & \"c\">", "a&lt;b &amp; &quot;c&quot;&gt;"},
      {"UTF-8 as it is", "Giove 40\xE2\x80\xB3 \xC2\xB7 \xF0\x9F\x94\xAD",
       "Giove 40\xE2\x80\xB3 \xC2\xB7 \xF0\x9F\x94\xAD"},
      {"a tab kept, controls left out", std::string("a\tb\x01\x1F\0c", 7), "a\tbc"},
      {"a stray byte", "x\xFFy", "x\xEF\xBF\xBDy"},
      {"a character cut short", "x\xE2\x80", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"an overlong slash", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"a surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"not a character", "\xEF\xBF\xBF", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string markup = MarkupOf(
        {TextShape{{0, 0, 10, 10}, c.text, Role::PictureText, 11, false, TextAlign::Left}, {}});
    const std::size_t start = markup.find('>') + 1;
    EXPECT_EQ(markup.substr(start, markup.size() - start - std::string("</text>").size()),
              c.written);
  }
}

TEST(SvgWriter, TheDocumentStandsAloneInTheDaysColours) {
  const DisplayList sample = testing::ShapeSample();
  const std::string document = SvgDocument(sample);
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"260\" height=\"180\" "
      "viewBox=\"0 0 260 180\" font-family=\"";
  EXPECT_EQ(document.substr(0, head.size()), head);
  const std::string named =
      "<title>FORME</title><desc>Ogni forma &lt;una volta&gt; &amp; &quot;basta&quot;</desc>";
  const std::size_t shapes = document.find(named);
  ASSERT_NE(shapes, std::string::npos);
  EXPECT_EQ(document.find("aria-hidden"), std::string::npos);
  // Its shapes are the page's by day, byte for byte, and a line end follows.
  const std::string page = SvgMarkup(sample, kDayPalette);
  EXPECT_EQ(page.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" aria-hidden=\"true\" width=", 0),
            0u);
  EXPECT_EQ(document.substr(shapes + named.size()), page.substr(page.find('>') + 1) + "\n");
}

TEST(SvgWriter, TheNightIsRedOnly) {
  const std::string svg = SvgMarkup(testing::ShapeSample(), kNightPalette);
  const std::regex colour(R"~(rgb\((\d+), (\d+), (\d+)\))~");
  int colours = 0;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), colour); it != std::sregex_iterator();
       ++it, ++colours)
    EXPECT_TRUE((*it)[2] == "0" && (*it)[3] == "0") << it->str();
  EXPECT_GE(colours, 12);
}

}  // namespace
}  // namespace celforo
