// celforo-calc's arguments read into what they ask for, in-process: the mode
// and its data, the camera and target, and the instant of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/atmosphere.h"
#include "calc/date_time.h"
#include "calc/plan_columns.h"
#include "calc/site.h"
#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"
#include "cli/files.h"
#include "cli/options.h"
#include "cli/setup_words.h"

namespace celforo::cli {
namespace {

Parsed ParseWords(std::initializer_list<std::string_view> words) {
  const std::vector<std::string_view> arguments(words);
  MemoryFiles none;
  return Parse(arguments, none);
}

// A mode as a line of text, to compare whole modes in one table.
std::string Describe(const Mode& mode) {
  if (const Single* single = std::get_if<Single>(&mode)) {
    return "single " + std::to_string(single->inputs.objectiveFocalLength) + " " +
           std::to_string(single->inputs.eyepieceFocalLength) + " " +
           std::to_string(single->inputs.eyepieceExtraction);
  }
  if (std::holds_alternative<Batch>(mode)) return "batch";
  if (const Sweep* sweep = std::get_if<Sweep>(&mode)) {
    return "sweep " + std::to_string(sweep->objective) + " " + std::to_string(sweep->eyepiece) +
           " rows " + std::to_string(sweep->extractions.rows());
  }
  if (const Night* night = std::get_if<Night>(&mode)) {
    return "night " + std::to_string(night->inputs.objectiveFocalLength) + " " +
           std::to_string(night->inputs.eyepieceFocalLength) + " " +
           std::to_string(night->inputs.eyepieceExtraction) + " every " +
           std::to_string(night->minutes);
  }
  if (std::holds_alternative<Events>(mode)) return "events";
  const Solve& solve = std::get<Solve>(mode);
  const std::string aim =
      std::holds_alternative<ProjectionAim>(solve.aim)
          ? "projection " + std::to_string(static_cast<int>(std::get<ProjectionAim>(solve.aim)))
          : "plan " + std::to_string(static_cast<int>(std::get<PlanAim>(solve.aim)));
  return "solve " + aim + " for " + std::to_string(solve.value) + " with " +
         std::to_string(solve.objective) + " " + std::to_string(solve.eyepiece);
}

TEST(CelforoCalcOptions, ModesCarryTheirOwnData) {
  const struct {
    std::initializer_list<std::string_view> arguments;
    std::string mode;
  } cases[] = {
      {{"2500", "5", "3"}, "single 2500.000000 5.000000 3.000000"},
      {{"--tsv"}, "batch"},
      {{"--extraction", "1:3:.5", "1000", "10"}, "sweep 1000.000000 10.000000 rows 5"},
      {{"--focal-length", "5000", "2500", "5"},
       "solve projection 0 for 5000.000000 with 2500.000000 5.000000"},
      {{"--magnification=2", "2500", "5"},
       "solve projection 1 for 2.000000 with 2500.000000 5.000000"},
      {{"--aperture", "250", "--focal-ratio", "20", "2500", "5"},
       "solve plan 0 for 20.000000 with 2500.000000 5.000000"},
      {{"--pixel-size", "3.75", "--image-scale", ".15", "2500", "5"},
       "solve plan 1 for 0.150000 with 2500.000000 5.000000"},
      {{"--sampling", "2", "--aperture", "250", "--pixel-size", "3.75", "2500", "5"},
       "solve plan 2 for 2.000000 with 2500.000000 5.000000"},
      {{"--target", "giove", "--pixel-size", "3.75", "--target-pixels", "300", "2500", "5"},
       "solve plan 3 for 300.000000 with 2500.000000 5.000000"},
      {{"--night", "15", "--target", "moon", "--site", "45,7", "2500", "5", "3"},
       "night 2500.000000 5.000000 3.000000 every 15"},
      {{"--night=240", "--target", "moon", "--site", "45,7", "2500", "5", "3"},
       "night 2500.000000 5.000000 3.000000 every 240"},
      {{"--events", "--target", "Giove"}, "events"},
      {{"--events", "--target", "jupiter", "2500", "5", "3"}, "events"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    const Parsed parsed = ParseWords(c.arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed));
    EXPECT_EQ(Describe(std::get<Options>(parsed).mode), c.mode);
  }
}

TEST(CelforoCalcOptions, CameraAndTargetAsGiven) {
  const UniversalTime evening = UtcInstant({2026, 12, 7, 20, 30, 0});
  const struct {
    std::initializer_list<std::string_view> arguments;
    std::optional<Target> target;
    std::optional<UniversalTime> instant;  // none: now
    double wavelength;
  } cases[] = {
      {{"2500", "5", "3"}, std::nullopt, std::nullopt, kDefaultWavelength},
      {{"--target", "GIOVE", "--date", "2026-12-07T21:30+01:00", "2500", "5", "3"},
       Target::Jupiter,
       evening,
       kDefaultWavelength},
      {{"--date=2026-12-07T20:30Z", "--target=Saturn"},
       Target::Saturn,
       evening,
       kDefaultWavelength},
      {{"--date", "2026-12-07T15:00-05:30", "--target", "luna"},
       Target::Moon,
       evening,
       kDefaultWavelength},
      {{"--target", "nettuno", "--date", "2026-12-07"},
       Target::Neptune,
       UtcInstant({2026, 12, 7}),
       kDefaultWavelength},
      {{"--target", "Sole", "--date", "2026-12-07 20:30:00Z"},
       Target::Sun,
       evening,
       kDefaultWavelength},
      {{"--target", "mars"}, Target::Mars, std::nullopt, kDefaultWavelength},
      {{"--aperture", "100", "--pixel-size", "2.9", "--wavelength", " 656\t"},
       std::nullopt,
       std::nullopt,
       656},
      {{"--aperture", "100", "--pixel-size", "2.9", "--wavelength", "1e-3"},
       std::nullopt,
       std::nullopt,
       1e-3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(*c.arguments.begin());
    const Parsed parsed = ParseWords(c.arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<Misuse>(parsed).reason;
    const Options& options = std::get<Options>(parsed);
    EXPECT_FALSE(options.cameraAndTarget.target.has_value());  // its size comes at the run
    EXPECT_EQ(options.cameraAndTarget.wavelength, c.wavelength);
    ASSERT_EQ(options.target.has_value(), c.target.has_value());
    if (!c.target) continue;
    EXPECT_EQ(options.target->target, *c.target);
    ASSERT_EQ(options.target->instant.has_value(), c.instant.has_value());
    if (c.instant) {
      EXPECT_NEAR(options.target->instant->julianDay(), c.instant->julianDay(), 1e-9);
    }
  }
}

// The site, the band, the minimum altitude, the Red Spot's longitude, the
// field stop and the layout as given; what is not given as it is by default.
TEST(CelforoCalcOptions, SkyAndCameraAsGiven) {
  const struct {
    std::initializer_list<std::string_view> arguments;
    std::optional<Site> site;
    Band band;
    double minimumAltitude;
    std::optional<double> redSpot, fieldStop;
    bool json;
  } cases[] = {
      {{"2500", "5", "3"}, std::nullopt, kDefaultBand, 30, std::nullopt, std::nullopt, false},
      {{"--site", "45.07,7.69,240", "--band=350-1000", "--min-altitude", "0", "2500", "5", "3"},
       Site{45.07, 7.69, 240},
       Band{350, 1000},
       0,
       std::nullopt,
       std::nullopt,
       false},
      {{"--site", " -33.87 , 151.21 ", "--band", " 400 - 700.5 ", "--min-altitude", "90"},
       Site{-33.87, 151.21, 0},
       Band{400, 700.5},
       90,
       std::nullopt,
       std::nullopt,
       false},
      {{"--grs", "360", "--pixel-size", "3.75", "--field-stop", "27", "--json"},
       std::nullopt,
       kDefaultBand,
       30,
       360,
       27,
       true},
      {{"--grs=0", "--band", "300-1100"},
       std::nullopt,
       Band{300, 1100},
       30,
       0,
       std::nullopt,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(*c.arguments.begin());
    const Parsed parsed = ParseWords(c.arguments);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<Misuse>(parsed).reason;
    const Options& options = std::get<Options>(parsed);
    const Observing& observing = options.cameraAndTarget.observing;
    ASSERT_EQ(observing.site.has_value(), c.site.has_value());
    if (c.site) {
      EXPECT_EQ(observing.site->latitude, c.site->latitude);
      EXPECT_EQ(observing.site->longitude, c.site->longitude);
      EXPECT_EQ(observing.site->height, c.site->height);
    }
    EXPECT_EQ(observing.band.from, c.band.from);
    EXPECT_EQ(observing.band.to, c.band.to);
    EXPECT_EQ(observing.minimumAltitude, c.minimumAltitude);
    EXPECT_EQ(observing.redSpotLongitude, c.redSpot);
    EXPECT_EQ(options.cameraAndTarget.fieldStop, c.fieldStop);
    EXPECT_EQ(options.layout.json, c.json);
  }
}

TEST(CelforoCalcOptions, HelpAndVersionAnswerBeforeWhatFollows) {
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseWords({"--help", "--bogus"})));
  EXPECT_TRUE(std::holds_alternative<HelpRequest>(ParseWords({"2500", "-h"})));
  EXPECT_TRUE(std::holds_alternative<VersionRequest>(ParseWords({"--version", "--date", "x"})));
  EXPECT_TRUE(std::holds_alternative<Misuse>(ParseWords({"--bogus", "--help"})));
  EXPECT_TRUE(std::holds_alternative<Misuse>(ParseWords({"--date", "x", "--help"})));
}

// Each solve's option asks for what calc's solve needs: given those options
// alone the solve is possible, and each one left out is a misuse.
TEST(CelforoCalcOptions, SolvesNeedWhatTheirCalculationNeeds) {
  const struct {
    std::string_view option;
    PlanAim aim;
    std::vector<std::vector<std::string_view>> needs;
  } cases[] = {
      {"--focal-ratio", PlanAim::FocalRatio, {{"--aperture", "250"}}},
      {"--image-scale", PlanAim::ImageScale, {{"--pixel-size", "3.75"}}},
      {"--sampling", PlanAim::Sampling, {{"--aperture", "250"}, {"--pixel-size", "3.75"}}},
      {"--target-pixels", PlanAim::DiscPixels, {{"--target", "jupiter"}, {"--pixel-size", "3.75"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    for (std::size_t left = 0; left <= c.needs.size(); ++left) {
      std::vector<std::string_view> arguments{c.option, "2", "2500", "5"};
      for (std::size_t i = 0; i < c.needs.size(); ++i) {
        if (i != left) arguments.insert(arguments.end(), c.needs[i].begin(), c.needs[i].end());
      }
      MemoryFiles none;
      const Parsed parsed = Parse(arguments, none);
      if (left < c.needs.size()) {
        ASSERT_TRUE(std::holds_alternative<Misuse>(parsed)) << c.needs[left][0];
        EXPECT_EQ(std::get<Misuse>(parsed).reason.rfind(std::string(c.option) + ": needs ", 0), 0u)
            << std::get<Misuse>(parsed).reason;
        continue;
      }
      ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<Misuse>(parsed).reason;
      const Options& options = std::get<Options>(parsed);
      const Solve& solve = std::get<Solve>(options.mode);
      EXPECT_EQ(std::get<PlanAim>(solve.aim), c.aim);
      CameraAndTarget cameraAndTarget = options.cameraAndTarget;
      if (options.target) {
        cameraAndTarget.target.emplace();
        cameraAndTarget.target->target = options.target->target;
      }
      EXPECT_TRUE(SolveFor(c.aim).possible(cameraAndTarget));
    }
  }
}

// A set-up said as options: each value as its option's word, a length as
// Form1 writes it into its box (15 significant digits).
TEST(CelforoCalcOptions, SetupFileSaidAsOptions) {
  celforo::Setup trip;
  trip.objective = 2500;
  trip.eyepiece = 5;
  trip.extraction = 2.5;
  trip.aperture = 250;
  trip.pixelSize = 3.75;
  trip.sensor = SensorPixels{1280, 960};
  trip.wavelength = 550;
  trip.target = Target::Jupiter;
  trip.solve = SetupSolve{PlanAim::Sampling, 2};
  trip.site = SetupSite{45.07, 7.69, 240};
  trip.fieldStop = 5.5;
  trip.band = SetupBand{400, 700};
  trip.minAltitude = 30;
  trip.grsLongitude = 62;
  celforo::Setup odd;
  odd.objective = -2500;
  odd.eyepiece = 1e-7;
  odd.extraction = 3.0000000000000004;  // the box shows 3
  odd.pixelSize = 2.5e-7;
  odd.site = SetupSite{-33.87, -70.5, -12};
  odd.target = Target::Saturn;
  odd.solve = SetupSolve{PlanAim::DiscPixels, 300.5};
  celforo::Setup lengthOnly;
  lengthOnly.extraction = 2.99999999976;
  celforo::Setup scale;
  scale.solve = SetupSolve{PlanAim::ImageScale, .15};
  const struct {
    const char* what;
    celforo::Setup setup;
    std::string options;  // the words, a space between
    std::string solve;
    std::array<std::optional<std::string>, 3> lengths;
  } cases[] = {
      {"every key",
       trip,
       "--aperture 250 --pixel-size 3.75 --pixels 1280x960 --wavelength 550 --target jupiter "
       "--site 45.07,7.69,240 --field-stop 5.5 --band 400-700 --min-altitude 30 --grs 62",
       "--sampling 2",
       {" 2500", " 5", " 2.5"}},
      {"signs, exponents and the box's digits",
       odd,
       "--pixel-size 2.5e-07 --target saturn --site -33.87,-70.5,-12",
       "--target-pixels 300.5",
       {"-2500", " 1E-07", " 3"}},
      {"a length alone", lengthOnly, "", "", {std::nullopt, std::nullopt, " 2.99999999976"}},
      {"a solve alone", scale, "", "--image-scale 0.15", {}},
      {"nothing", celforo::Setup{}, "", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SetupWords words = WordsOfSetup(c.setup);
    std::string options;
    for (const OptionWord& word : words.options)
      options.append(options.empty() ? "" : " ").append(word.option).append(" ").append(word.value);
    EXPECT_EQ(options, c.options);
    EXPECT_EQ(words.solve ? std::string(words.solve->option) + " " + words.solve->value : "",
              c.solve);
    EXPECT_EQ(words.lengths, c.lengths);
  }
  EXPECT_EQ(SolveOption(PlanAim::FocalRatio), "--focal-ratio");
}

// A set-up file's whole content, with the keys celforo-calc alone has.
constexpr std::string_view kTrip =
    R"({"version": 1, "objective_focal_length": 2500, "eyepiece_focal_length": 5,
        "eyepiece_extraction": 2.5, "aperture": 250, "pixel_size": 3.75,
        "sensor": {"width": 1280, "height": 960}, "wavelength": 656, "target": "jupiter",
        "solve": {"aim": "sampling", "value": 2},
        "site": {"latitude": 45.07, "longitude": 7.69, "height": 240}, "field_stop": 5.5,
        "band": {"from": 450, "to": 650}, "min_altitude": 20, "grs_longitude": 62})";

MemoryFiles SetupFiles() {
  return MemoryFiles({{"trip.json", std::string(kTrip)},
                      {"camera.json", R"({"version": 1, "pixel_size": 2.9})"},
                      {"box.json",
                       R"({"version": 1, "objective_focal_length": 2500,
                           "eyepiece_focal_length": 5, "eyepiece_extraction": 3.0000000000000004})"}});
}

// The file's values where no option gives them, its lengths where no operand
// does, into the run's mode, camera and target.
TEST(CelforoCalcOptions, SetupFileUnderTheOptionsGiven) {
  const UniversalTime evening = UtcInstant({2026, 12, 7, 20, 30, 0});
  const struct {
    std::vector<std::string_view> arguments;
    std::string mode;
    std::optional<double> aperture, pixelSize;
    double wavelength;
    std::optional<Target> target;
    bool site;
    double bandFrom;
  } cases[] = {
      {{"--setup", "trip.json"},
       "single 2500.000000 5.000000 2.500000",
       250,
       3.75,
       656,
       Target::Jupiter,
       true,
       450},
      {{"--aperture", "200", "--setup=trip.json", "--wavelength", "550", "--band", "400-700"},
       "single 2500.000000 5.000000 2.500000",
       200,
       3.75,
       550,
       Target::Jupiter,
       true,
       400},
      {{"--setup", "trip.json", "--target", "saturn", "1", "2", "3"},
       "single 1.000000 2.000000 3.000000",
       250,
       3.75,
       656,
       Target::Saturn,
       true,
       450},
      {{"--setup", "trip.json", "--solve"},
       "solve plan 2 for 2.000000 with 2500.000000 5.000000",
       250,
       3.75,
       656,
       Target::Jupiter,
       true,
       450},
      {{"--setup", "trip.json", "--extraction", "1:3:1"},
       "sweep 2500.000000 5.000000 rows 3",
       250,
       3.75,
       656,
       Target::Jupiter,
       true,
       450},
      {{"--setup", "trip.json", "--events"}, "events", 250, 3.75, 656, Target::Jupiter, true, 450},
      {{"--setup", "camera.json", "--pixels", "640x480"},
       "batch",
       std::nullopt,
       2.9,
       550,
       std::nullopt,
       false,
       400},
      {{"--setup", "box.json"},
       "single 2500.000000 5.000000 3.000000",
       std::nullopt,
       std::nullopt,
       550,
       std::nullopt,
       false,
       400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    MemoryFiles files = SetupFiles();
    std::vector<std::string_view> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--date", "2026-12-07T20:30Z"});
    const Parsed parsed = Parse(arguments, files);
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<Misuse>(parsed).reason;
    const Options& options = std::get<Options>(parsed);
    EXPECT_EQ(Describe(options.mode), c.mode);
    const CameraAndTarget& camera = options.cameraAndTarget;
    EXPECT_EQ(camera.aperture, c.aperture);
    EXPECT_EQ(camera.pixelSize, c.pixelSize);
    EXPECT_EQ(camera.wavelength, c.wavelength);
    EXPECT_EQ(camera.observing.site.has_value(), c.site);
    EXPECT_EQ(camera.observing.band.from, c.bandFrom);
    ASSERT_EQ(options.target.has_value(), c.target.has_value());
    if (!c.target) continue;
    EXPECT_EQ(options.target->target, *c.target);
    EXPECT_EQ(options.target->instant, evening);  // a file holds no date
  }
  // The Red Spot's longitude, the minimum altitude, the field stop and the
  // site, whole.
  MemoryFiles files = SetupFiles();
  const std::string_view trip[] = {"--setup", "trip.json"};
  const Options options = std::get<Options>(Parse(trip, files));
  EXPECT_EQ(options.cameraAndTarget.observing.redSpotLongitude, 62);
  EXPECT_EQ(options.cameraAndTarget.observing.minimumAltitude, 20);
  EXPECT_EQ(options.cameraAndTarget.fieldStop, 5.5);
  EXPECT_EQ(options.cameraAndTarget.sensor, (SensorPixels{1280, 960}));
  EXPECT_EQ(options.cameraAndTarget.observing.site->height, 240);
  // A file that cannot be read is no misuse.
  const std::string_view missing[] = {"--setup", "missing.json", "2500", "5", "3"};
  const Parsed unread = Parse(missing, files);
  ASSERT_TRUE(std::holds_alternative<Unreadable>(unread));
  EXPECT_EQ(std::get<Unreadable>(unread).reason,
            "--setup: cannot read missing.json: No such file or directory");
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// The picture is written once, whole, where the run has one set-up with
// results; a write that fails is status 3 after the rows.
TEST(CelforoCalcOptions, ThePictureIsWrittenOnceOrNotAtAll) {
  const struct {
    std::vector<std::string_view> arguments;
    std::optional<StreamFailure> writeFailure;
    int status;
    std::size_t written;
    std::string err;
  } cases[] = {
      {{"--setup", "trip.json"}, std::nullopt, kSuccess, 1, ""},
      {{"--setup", "trip.json", "--solve"}, std::nullopt, kSuccess, 1, ""},
      {{"--setup", "trip.json"},
       "No space left on device",
       kStreamFailed,
       0,
       "celforo-calc: --picture: cannot write sky.svg: No space left on device\n"},
      {{"--setup", "trip.json", "2500", "0", "0"},
       std::nullopt,
       kCalculationFailed,
       0,
       "celforo-calc: Errore di run-time '6': Overflow\n"
       "celforo-calc: --picture: the set-up has no results to draw; sky.svg is left as it was\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    MemoryFiles files({{"trip.json", std::string(kTrip)}}, c.writeFailure);
    std::vector<std::string_view> arguments = c.arguments;
    arguments.insert(arguments.end(),
                     {"--tsv", "--date", "2026-12-07T20:30Z", "--picture", "sky.svg"});
    MemoryInput in("");
    MemoryOutput out;
    MemoryOutput err;
    EXPECT_EQ(RunCelforoCalc(arguments, in, out, err, files), c.status);
    EXPECT_EQ(err.text(), c.err);
    EXPECT_EQ(std::count(out.text().begin(), out.text().end(), '\n'), 1);  // the row first
    EXPECT_EQ(files.replaced(), c.written);
    const std::string* picture = files.Find("sky.svg");
    EXPECT_EQ(picture != nullptr, c.written == 1);
    if (picture != nullptr) {
      EXPECT_TRUE(picture->ends_with("</svg>\n"));
    }
  }
}

Outcome RunAt(std::initializer_list<std::string_view> arguments, Clock now) {
  MemoryInput in("2500 5 3\n2000 10 5\n");
  MemoryOutput out;
  MemoryOutput err;
  MemoryFiles none;
  const int status = RunCelforoCalc(arguments, in, out, err, none, now);
  return {status, out.text(), err.text()};
}

UniversalTime Evening() {
  return UtcInstant({2026, 12, 7, 20, 30, 0});
}
UniversalTime AfterTheEphemerides() {
  return UtcInstant({2051, 1, 1});
}
int clockReads = 0;
UniversalTime CountedEvening() {
  ++clockReads;
  return Evening();
}

TEST(CelforoCalcOptions, WithoutADateTheInstantIsNowReadOnce) {
  const Outcome dated =
      RunAt({"--tsv", "--target", "saturn", "--date", "2026-12-07T20:30Z"}, Evening);
  clockReads = 0;
  const Outcome now = RunAt({"--tsv", "--target", "saturn"}, CountedEvening);
  EXPECT_EQ(clockReads, 1);
  EXPECT_EQ(now.status, dated.status);
  EXPECT_EQ(now.out, dated.out);
  EXPECT_EQ(now.err, dated.err);
  // A night's rows and the moons' events read it once too.
  for (const auto& arguments :
       {std::initializer_list<std::string_view>{"--tsv", "--night", "60", "--target", "saturn",
                                                "--site", "45,7", "2500", "5", "3"},
        std::initializer_list<std::string_view>{"--events", "--target", "jupiter"}}) {
    clockReads = 0;
    const Outcome outcome = RunAt(arguments, CountedEvening);
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(outcome.status, kSuccess) << outcome.err;
    EXPECT_NE(outcome.out, "");
  }
  clockReads = 0;
  RunAt({"--tsv", "2500", "5", "3"}, CountedEvening);
  RunAt({"--tsv", "--target", "saturn", "--date", "2026-12-07"}, CountedEvening);
  EXPECT_EQ(clockReads, 0) << "the clock read without a target or with a date";

  const Outcome beyond = RunAt({"--target", "venus", "2500", "5", "3"}, AfterTheEphemerides);
  EXPECT_EQ(beyond.status, kUsage);
  EXPECT_EQ(beyond.out, "");
  EXPECT_EQ(beyond.err.substr(0, beyond.err.find('\n')),
            "celforo-calc: --target: now is outside 1800-01-01 to 2050-12-31 (UTC); give an "
            "instant within it with --date");
  // A night or a day of events that would end past the ephemerides.
  const UniversalTime lastEvening = UtcInstant({2050, 12, 31, 18, 0, 0});
  for (const auto& arguments :
       {std::initializer_list<std::string_view>{"--night", "60", "--target", "saturn", "--site",
                                                "45,7", "2500", "5", "3"},
        std::initializer_list<std::string_view>{"--events", "--target", "jupiter"}}) {
    static UniversalTime at;
    at = lastEvening;
    const Outcome late = RunAt(arguments, [] { return at; });
    EXPECT_EQ(late.status, kUsage);
    EXPECT_EQ(late.out, "");
    EXPECT_NE(late.err.find("must lie within 1800-01-01 to 2050-12-31 (UTC)"), std::string::npos)
        << late.err;
  }
  EXPECT_EQ(RunAt({"--target", "venus", "--date", "2050-12-31", "--tsv", "2500", "5", "3"},
                  AfterTheEphemerides)
                .err.find("outside"),
            std::string::npos);
}

}  // namespace
}  // namespace celforo::cli
