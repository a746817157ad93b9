// Planning a set-up from its equivalent focal length, through the texts
// celforo-calc shows, and the failures it shares with the window.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/date_time.h"
#include "calc/numeric_text.h"
#include "calc/plan_columns.h"
#include "calc/planning.h"
#include "calc/run_time_error.h"
#include "tests/support/computed.h"

namespace celforo {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Planning, ValuesAndFailures) {
  using Kind = RunTimeErrorKind;
  struct Case {
    const char* what;
    std::function<Computed<double>()> compute;
    std::string shown;                        // ResultText of the value, when it is shown
    std::optional<RunTimeErrorKind> failure;  // when computing or showing it fails
  };
  const Case cases[] = {
      {"focal ratio", [] { return FocalRatio(5000, 250); }, " 20", {}},
      {"image scale", [] { return ImageScale(5000, 3.75); }, " .154699", {}},
      // 2 atan(0.5) rad is 3187.806 arcminutes; the small angle would give 3437.747.
      {"field, exact angle", [] { return FieldOfView(100, 10, 10000); }, " 3187.806141", {}},
      {"field of a negative focal length",
       [] { return FieldOfView(-100, 10, 10000); },
       "-3187.806141",
       {}},
      {"extraction for f/20", [] { return ExtractionForFocalRatio(2500, 5, 250, 20); }, " 2.5", {}},
      {"extraction for 0.15 arcsec/pixel",
       [] { return ExtractionForImageScale(2500, 5, 3.75, 0.15); },
       " 2.424068",
       {}},
      {"zero aperture", [] { return FocalRatio(5000, 0); }, "", Kind::DivisionByZero},
      {"zero over zero", [] { return FocalRatio(0, 0); }, "", Kind::Overflow},
      {"zero focal length", [] { return ImageScale(0, 3.75); }, "", Kind::DivisionByZero},
      {"field at zero focal length", [] { return FieldOfView(0, 3.75, 640); }, "",
       Kind::DivisionByZero},
      {"scale out of range", [] { return ImageScale(1e-300, kMax); }, "", Kind::Overflow},
      {"infinite aperture", [] { return FocalRatio(5000, kInf); }, "", Kind::Overflow},
      {"scale below a millionth", [] { return ImageScale(1e12, 2.9); }, "", Kind::TypeMismatch},
      {"zero target focal ratio", [] { return ExtractionForFocalRatio(2500, 5, 250, 0); }, "",
       Kind::DivisionByZero},
      {"zero target image scale", [] { return ExtractionForImageScale(2500, 5, 3.75, 0); }, "",
       Kind::DivisionByZero},
      {"target focal ratio out of range", [] { return ExtractionForFocalRatio(2500, 5, kMax, 10); },
       "", Kind::Overflow},
      // Worked by hand: 0.55 um * 20 / 3.75 um.
      {"sampling at f/20", [] { return Sampling(20, 550, 3.75); }, " 2.933333", {}},
      // 2000 * 5000 * tan(22.5") / 3.75.
      {"45\" disc at 5000 mm", [] { return DiscPixels(5000, 3.75, 45); }, " 290.88821", {}},
      // .15 * 9.925 h * 3600 / (pi * 45).
      {"capture on Jupiter", [] { return LongestCapture(0.15, 9.925, 45); }, " 37.910707", {}},
      // f/(2 * 3.75 / 0.55) at 250 gives 3409.09 mm: 2500 * 5 / 3409.09.
      {"extraction for Q = 2",
       [] { return ExtractionForSampling(2500, 5, 250, 3.75, 550, 2); },
       " 3.666667",
       {}},
      // 300 * 3.75 / (2000 * tan(22.5")) = 5156.62 mm: 2500 * 5 / 5156.62.
      {"extraction for a 300-pixel disc",
       [] { return ExtractionForDiscPixels(2500, 5, 3.75, 45, 300); },
       " 2.424068",
       {}},
      {"sampling on zero-sized pixels", [] { return Sampling(20, 550, 0); }, "",
       Kind::DivisionByZero},
      {"sampling of an infinite ratio", [] { return Sampling(kInf, 550, 3.75); }, "",
       Kind::Overflow},
      {"disc on zero-sized pixels", [] { return DiscPixels(5000, 0, 45); }, "",
       Kind::DivisionByZero},
      {"capture on a disc of zero", [] { return LongestCapture(0.15, 9.925, 0); }, "",
       Kind::DivisionByZero},
      {"extraction for Q at no wavelength",
       [] { return ExtractionForSampling(2500, 5, 250, 3.75, 0, 2); }, "", Kind::DivisionByZero},
      {"extraction for Q = 0", [] { return ExtractionForSampling(2500, 5, 250, 3.75, 550, 0); }, "",
       Kind::DivisionByZero},
      {"extraction for a disc of zero",
       [] { return ExtractionForDiscPixels(2500, 5, 3.75, 0, 300); }, "", Kind::DivisionByZero},
      {"extraction for no pixels", [] { return ExtractionForDiscPixels(2500, 5, 3.75, 45, 0); }, "",
       Kind::DivisionByZero},
      // 5.5 mm * 2 = 11 mm on the sensor, over 3.75 um pixels.
      {"field stop at 2x", [] { return FieldStopPixels(5.5, 2, 3.75); }, " 2933.333333", {}},
      // 2500, 5 and 3 give the magnification 1.666667: 10.9 mm * 5 / 3 / 2.9 um.
      {"field stop of a 10.9 mm stop",
       [] { return FieldStopPixels(10.9, 5.0 / 3.0, 2.9); },
       " 6264.367816",
       {}},
      {"field stop on zero-sized pixels", [] { return FieldStopPixels(5.5, 2, 0); }, "",
       Kind::DivisionByZero},
      {"field stop of an infinite stop", [] { return FieldStopPixels(kInf, 2, 3.75); }, "",
       Kind::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Computed<std::string> shown = Shown(c.compute());
    EXPECT_EQ(FailureOf(shown), c.failure);
    if (shown) {
      EXPECT_EQ(*shown, c.shown);
    }
  }
}

// The sensor's corners against the stop's image: the diagonal of 1280 x 960
// is 1600 pixels, of 3000 x 4000 5000.
TEST(Planning, CornersOutsideTheFieldStop) {
  const struct {
    double width, height, stop;
    bool vignetted;
  } cases[] = {
      {1280, 960, 1599, true},  {1280, 960, 1600, false},   {1280, 960, 2933.3, false},
      {1280, 960, -1599, true}, {3000, 4000, 4999.9, true}, {3000, 4000, 5000.1, false},
      {1280, 960, 1000, true},  // the stop cuts the sides too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " in " +
                 std::to_string(c.stop));
    EXPECT_EQ(CornersOutsideStop(c.width, c.height, c.stop), c.vignetted);
  }
}

// A set-up's camera and target as celforo-calc and the panel give them.
struct Inputs {
  Inputs(bool withAperture = false, bool withPixels = false, bool withSensor = false,
         std::optional<Target> on = std::nullopt)
      : aperture(withAperture), pixels(withPixels), sensor(withSensor), target(on) {}
  bool aperture, pixels, sensor;
  std::optional<Target> target;
};

CameraAndTarget Given(const Inputs& in) {
  CameraAndTarget c;
  if (in.aperture) c.aperture = 250;
  if (in.pixels) c.pixelSize = 3.75;
  if (in.sensor) c.sensor = SensorPixels{1280, 960};
  // A size as on a date: 45" for Jupiter, Saturn's globe 18" in rings of 40".
  if (in.target) {
    c.target.emplace();
    c.target->target = *in.target;
    c.target->size =
        in.target == Target::Saturn ? TargetSize{18, 40, 20, 1e9} : TargetSize{45, 0, 0, 6e8};
  }
  return c;
}

// Which columns a set-up shows, and their values at 5000 mm.
TEST(PlanColumns, WhichApplyAndTheirValues) {
  const struct {
    const char* what;
    Inputs in;
    std::vector<std::pair<std::string_view, std::string>> shown;  // caption, ResultText
  } cases[] = {
      {"nothing given", {}, {}},
      {"aperture", {true}, {{kFocalRatioCaption, " 20"}}},
      {"pixels", {false, true}, {{kImageScaleCaption, " .154699"}}},
      {"sensor without pixels", {false, false, true}, {}},
      {"camera",
       {false, true, true},
       {{kImageScaleCaption, " .154699"},
        {kFieldWidthCaption, " 3.300237"},
        {kFieldHeightCaption, " 2.475178"}}},
      {"aperture and pixels",
       {true, true},
       {{kFocalRatioCaption, " 20"},
        {kImageScaleCaption, " .154699"},
        {kSamplingCaption, " 2.933333"}}},
      {"the Moon alone", {false, false, false, Target::Moon}, {{kDiameterCaption, " 45"}}},
      {"Jupiter alone", {false, false, false, Target::Jupiter}, {{kDiameterCaption, " 45"}}},
      // .1546986 "/px * 9.925 h * 3600 / (pi * 45") = 39.098 s.
      {"Jupiter on a camera",
       {false, true, false, Target::Jupiter},
       {{kImageScaleCaption, " .154699"},
        {kDiameterCaption, " 45"},
        {kDiscPixelsCaption, " 290.88821"},
        {kCaptureCaption, " 39.098224"}}},
      {"the Moon on a camera: no capture time",
       {false, true, false, Target::Moon},
       {{kImageScaleCaption, " .154699"},
        {kDiameterCaption, " 45"},
        {kDiscPixelsCaption, " 290.88821"}}},
      {"Saturn alone: its rings",
       {false, false, false, Target::Saturn},
       {{kDiameterCaption, " 18"}, {kRingsCaption, " 40"}}},
      // 18": 2000 * 5000 * tan(9") / 3.75 = 116.355; .1546986 * 10.6562 h * 3600 / (pi * 18).
      {"everything, Saturn",
       {true, true, true, Target::Saturn},
       {{kFocalRatioCaption, " 20"},
        {kImageScaleCaption, " .154699"},
        {kFieldWidthCaption, " 3.300237"},
        {kFieldHeightCaption, " 2.475178"},
        {kDiameterCaption, " 18"},
        {kDiscPixelsCaption, " 116.355284"},
        {kRingsCaption, " 40"},
        {kSamplingCaption, " 2.933333"},
        {kCaptureCaption, " 104.946723"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CameraAndTarget given = Given(c.in);
    std::vector<std::pair<std::string_view, std::string>> shown;
    for (const PlanColumn& column : kPlanColumns) {
      if (column.applies(given)) {
        const ProjectionResults results{2, 5000, 15};
        shown.emplace_back(column.caption,
                           *ResultText(std::get<double>(*column.compute(given, results))));
      }
    }
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(PlanColumns, FailuresOfTheColumns) {
  const CameraAndTarget all = Given({true, true, true, Target::Jupiter});
  const struct {
    std::string_view caption;
    double focalLength;
    RunTimeErrorKind failure;
  } cases[] = {
      {kImageScaleCaption, 0, RunTimeErrorKind::DivisionByZero},
      {kFieldWidthCaption, 0, RunTimeErrorKind::DivisionByZero},
      {kCaptureCaption, 0, RunTimeErrorKind::DivisionByZero},
      {kFocalRatioCaption, kInf, RunTimeErrorKind::Overflow},
      {kSamplingCaption, kInf, RunTimeErrorKind::Overflow},
      {kDiscPixelsCaption, kInf, RunTimeErrorKind::Overflow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.caption));
    const PlanColumn* column = nullptr;
    for (const PlanColumn& candidate : kPlanColumns) {
      if (candidate.caption == c.caption) column = &candidate;
    }
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(FailureOf(column->compute(all, {2, c.focalLength, 15})), c.failure);
  }
}

// The sky's columns where an event does not happen or the target is below
// the horizon: each state has its word, and an air mass or a dispersion
// below the horizon is no value. The times are the events' own.
TEST(PlanColumns, WordsWhereThereIsNoValue) {
  const UniversalTime t0 = UtcInstant({2026, 12, 7, 18, 0, 0});
  const auto event = [&](EventState state) { return SkyEvent{state, t0 + Days(0.1), 0}; };
  const struct {
    const char* what;
    EventState rise, transit, set;
    BestTimeState best;
    bool span;
    double altitude;
    std::vector<std::string> shown;  // SORGE to SOPRA MIN. FINO ALLE, then MASSA D'ARIA
  } cases[] = {
      {"every event",
       EventState::Happens,
       EventState::Happens,
       EventState::Happens,
       BestTimeState::Found,
       true,
       45,
       {"time", "time", "time", "time", "start", "end", "number"}},
      {"not this day",
       EventState::NotThisDay,
       EventState::NotThisDay,
       EventState::NotThisDay,
       BestTimeState::BelowHorizon,
       false,
       -10,
       {"non sorge", "non transita", "non tramonta", "sempre sotto", "sotto la minima",
        "sotto la minima", "(sotto l'orizzonte)"}},
      {"above all day",
       EventState::AlwaysAbove,
       EventState::Happens,
       EventState::AlwaysAbove,
       BestTimeState::NeverDark,
       false,
       0.5,
       {"sempre sopra", "time", "sempre sopra", "mai buio", "sotto la minima", "sotto la minima",
        "number"}},
      {"below all day",
       EventState::AlwaysBelow,
       EventState::Happens,
       EventState::AlwaysBelow,
       BestTimeState::BelowHorizon,
       false,
       -0.001,
       {"sempre sotto", "time", "sempre sotto", "sempre sotto", "sotto la minima",
        "sotto la minima", "(sotto l'orizzonte)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CameraAndTarget given;
    given.target.emplace();
    SkyPlan& sky = given.target->sky.emplace();
    sky.events = {event(c.rise), event(c.transit), event(c.set)};
    sky.night.best = {c.best, t0 + Days(0.2), 40};
    if (c.span) sky.night.bestSpan = TimeSpan{t0 + Days(0.15), t0 + Days(0.25)};
    sky.now.altitude = c.altitude;
    std::vector<std::string> shown;
    for (const std::string_view caption :
         {kRiseCaption, kTransitCaption, kSetCaption, kBestTimeCaption, kAboveFromCaption,
          kAboveUntilCaption, kAirMassCaption}) {
      const PlanColumn& column = *ColumnByCaption(caption);
      ASSERT_TRUE(column.applies(given));
      const PlanValue value = *column.compute(given, {1, 1, 1});
      if (const UniversalTime* time = std::get_if<UniversalTime>(&value)) {
        shown.push_back(*time == t0 + Days(0.1) || *time == t0 + Days(0.2) ? "time"
                        : *time == t0 + Days(0.15)                         ? "start"
                        : *time == t0 + Days(0.25)                         ? "end"
                                                                           : "another time");
      } else if (const PlanWord* word = std::get_if<PlanWord>(&value)) {
        shown.emplace_back(word->text);
      } else if (const NoValue* none = std::get_if<NoValue>(&value)) {
        shown.push_back("(" + std::string(none->why) + ")");
      } else {
        shown.push_back("number");
      }
    }
    EXPECT_EQ(shown, c.shown);
  }
}

// Which of the new columns a target and its options add: the sky's with a
// site, the disc's by target, the field stop's with a pixel size.
TEST(PlanColumns, WhichTheTargetAndSiteAdd) {
  const UniversalTime evening = UtcInstant({2026, 12, 7, 20, 0, 0});
  const struct {
    const char* what;
    std::optional<Target> target;
    bool site, pixels, fieldStop;
    std::vector<std::string_view> added;  // beyond the size columns
  } cases[] = {
      {"a field stop without pixels", std::nullopt, false, false, true, {}},
      {"a field stop", std::nullopt, false, true, true, {kImageScaleCaption, kFieldStopCaption}},
      {"the Sun from a site",
       Target::Sun,
       true,
       true,
       false,
       {kImageScaleCaption, kAltitudeCaption, kAzimuthCaption, kAirMassCaption, kDispersionCaption,
        kDispersionPixelsCaption, kRiseCaption, kTransitCaption, kSetCaption, kBestTimeCaption,
        kAboveFromCaption, kAboveUntilCaption}},
      {"Venus",
       Target::Venus,
       false,
       false,
       false,
       {kPhaseCaption, kPhaseAngleCaption, kBrightLimbCaption}},
      {"Mars",
       Target::Mars,
       false,
       false,
       false,
       {kPhaseCaption, kPhaseAngleCaption, kBrightLimbCaption, kPoleCaption, kMeridianCaption}},
      {"Saturn",
       Target::Saturn,
       false,
       false,
       false,
       {kPhaseCaption, kPhaseAngleCaption, kBrightLimbCaption, kPoleCaption}},
      {"Jupiter",
       Target::Jupiter,
       false,
       false,
       false,
       {kPhaseCaption, kPhaseAngleCaption, kBrightLimbCaption, kPoleCaption, kSystemICaption,
        kSystemIICaption, kRedSpotCaption, "IO X", "IO Y", "EUROPA X", "EUROPA Y", "GANIMEDE X",
        "GANIMEDE Y", "CALLISTO X", "CALLISTO Y"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CameraAndTarget given;
    if (c.pixels) given.pixelSize = 3.75;
    if (c.fieldStop) given.fieldStop = 5.5;
    if (c.site) given.observing.site = Site{45.07, 7.69, 240};
    if (c.target) given.target = TargetOnDateAt(*c.target, evening, given.observing);
    std::vector<std::string_view> added;
    for (const PlanColumn& column : kPlanColumns) {
      const bool size = column.caption == kDiameterCaption ||
                        column.caption == kDiscPixelsCaption || column.caption == kRingsCaption ||
                        column.caption == kCaptureCaption;
      if (column.applies(given) && !size) added.push_back(column.caption);
    }
    EXPECT_EQ(added, c.added);
  }
}

TEST(PlanSolves, WhatEachNeedsAndTheExtractionItGives) {
  const struct {
    PlanAim aim;
    Inputs enough, short_;
    double value;
    std::string shown;
  } cases[] = {
      {PlanAim::FocalRatio, {true}, {false, true}, 20, " 2.5"},
      {PlanAim::ImageScale, {false, true}, {true}, 0.15, " 2.424068"},
      {PlanAim::Sampling, {true, true}, {false, true, true, Target::Jupiter}, 2, " 3.666667"},
      {PlanAim::DiscPixels,
       {false, true, false, Target::Jupiter},
       {true, false, false, Target::Jupiter},
       300,
       " 2.424068"},
  };
  for (const auto& c : cases) {
    const PlanSolve& solve = SolveFor(c.aim);
    SCOPED_TRACE(std::string(solve.caption));
    EXPECT_EQ(solve.aim, c.aim);
    EXPECT_TRUE(solve.possible(Given(c.enough)));
    EXPECT_FALSE(solve.possible(Given(c.short_)));
    EXPECT_FALSE(solve.possible(Given({})));
    EXPECT_EQ(Shown(solve.extraction(2500, 5, Given(c.enough), c.value)), c.shown);
    EXPECT_EQ(FailureOf(solve.extraction(2500, 5, Given(c.enough), 0)),
              RunTimeErrorKind::DivisionByZero);
  }
}

TEST(ParseSensorPixels, WidthByHeight) {
  const struct {
    const char* text;
    std::optional<std::pair<double, double>> pixels;
  } cases[] = {
      {"1280x960", std::pair(1280.0, 960.0)},
      {"1280\xC3\x97"
       "960",
       std::pair(1280.0, 960.0)},  // U+00D7
      {"1x1", std::pair(1.0, 1.0)},
      {"1000000x1000000", std::pair(1e6, 1e6)},
      {"1000001x1", std::nullopt},
      {"0x960", std::nullopt},
      {"1280x", std::nullopt},
      {"x960", std::nullopt},
      {"1280X960", std::nullopt},
      {"1280 x 960", std::nullopt},
      {" 1280x960", std::nullopt},
      {"1280x960x3", std::nullopt},
      {"12.5x960", std::nullopt},
      {"-1280x960", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<SensorPixels> parsed = ParseSensorPixels(c.text);
    ASSERT_EQ(parsed.has_value(), c.pixels.has_value());
    if (parsed) {
      EXPECT_EQ(parsed->width, c.pixels->first);
      EXPECT_EQ(parsed->height, c.pixels->second);
    }
  }
}

}  // namespace
}  // namespace celforo
