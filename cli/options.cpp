#include "cli/options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

#include "calc/band.h"
#include "calc/date_time.h"
#include "calc/numeric_text.h"
#include "calc/quantity_rules.h"
#include "calc/setup_file.h"
#include "calc/site.h"
#include "calc/strict_number.h"
#include "cli/option_table.h"
#include "cli/overloaded.h"
#include "cli/setup_words.h"

namespace celforo::cli {

// The arguments read so far: the run's options, and what the mode is to be
// once the operands are known.
struct Reading {
  Options options;
  std::string_view modeOption;  // the option that chose a sweep or a solve
  std::optional<ExtractionSteps> extractions;
  std::optional<std::pair<SolveAim, double>> solve;  // the aim and its value
  std::optional<Target> target;
  std::string_view targetName;  // as given
  std::optional<UniversalTime> instant;
  std::optional<int> nightMinutes;
  bool events = false;
  Files* files = nullptr;                 // where --setup's file is read from
  std::optional<Setup> setup;             // --setup's file, read
  std::string_view setupPath;             // as given
  std::optional<std::string> unreadable;  // why --setup's file cannot be read
  bool solveFromFile = false;             // --solve
};

namespace {

constexpr std::string_view kDecimalPoint = " (the decimal mark is a point)";

// "-90 to 90": a rule's bounds.
std::string RangeText(NumberRule rule) {
  return SignedNumberText(rule.least).substr(rule.least < 0 ? 0 : 1) + " to " +
         SignedNumberText(rule.most).substr(rule.most < 0 ? 0 : 1);
}

// A planning number read strictly into `into`, or why not: "expected a
// positive number such as 3.75, got 3,75 (the decimal mark is a point)".
Problem ReadValue(std::string_view value, NumberRule rule, std::string_view example, double& into) {
  const NumberReading reading = ReadStrictNumber(value, rule);
  if (reading.fault == NumberFault::None) {
    into = reading.value;
    return std::nullopt;
  }
  std::string expected = rule.positive ? "a positive number" : "a number";
  if (reading.fault == NumberFault::OutOfRange) expected += " from " + RangeText(rule);
  std::string problem =
      "expected " + expected + " such as " + std::string(example) + ", got " + std::string(value);
  if (reading.fault == NumberFault::DecimalComma) problem += kDecimalPoint;
  return problem;
}

Problem ReadJson(std::string_view, Reading& reading) {
  reading.options.layout.json = true;
  return std::nullopt;
}

Problem ReadEvents(std::string_view, Reading& reading) {
  reading.events = true;
  return std::nullopt;
}

Problem ReadTsv(std::string_view, Reading& reading) {
  reading.options.layout.tsv = true;
  return std::nullopt;
}

Problem ReadHeader(std::string_view, Reading& reading) {
  reading.options.layout.header = true;
  return std::nullopt;
}

Problem ReadExtraction(std::string_view value, Reading& reading) {
  std::string problem;
  reading.extractions = ParseExtractionSteps(value, problem);
  if (reading.extractions) return std::nullopt;
  return problem;
}

// An example of a value each aim can take.
constexpr std::string_view ExampleOf(ProjectionAim aim) {
  return aim == ProjectionAim::FocalLength ? "5000" : "2";
}
constexpr std::string_view ExampleOf(PlanAim aim) {
  switch (aim) {
    case PlanAim::FocalRatio: return "20";
    case PlanAim::ImageScale: return "0.15";
    case PlanAim::Sampling: return "2";
    case PlanAim::DiscPixels: return "300";
  }
  return "1";
}

// A solve's value: any number for the projection's own results, which may be
// negative, a positive one for the plan's.
template <auto kAim>
Problem ReadSolve(std::string_view value, Reading& reading) {
  constexpr bool kProjection = std::is_same_v<decltype(kAim), ProjectionAim>;
  double aimed = 0;
  if (Problem problem =
          ReadValue(value, kProjection ? kAnyNumber : kPositiveNumber, ExampleOf(kAim), aimed))
    return problem;
  reading.solve.emplace(SolveAim{kAim}, aimed);
  return std::nullopt;
}

Problem ReadAperture(std::string_view value, Reading& reading) {
  double aperture = 0;
  if (Problem problem = ReadValue(value, kPositiveNumber, "250", aperture)) return problem;
  reading.options.cameraAndTarget.aperture = aperture;
  return std::nullopt;
}

Problem ReadPixelSize(std::string_view value, Reading& reading) {
  double size = 0;
  if (Problem problem = ReadValue(value, kPositiveNumber, "3.75", size)) return problem;
  reading.options.cameraAndTarget.pixelSize = size;
  return std::nullopt;
}

Problem ReadPixels(std::string_view value, Reading& reading) {
  reading.options.cameraAndTarget.sensor = ParseSensorPixels(value);
  if (reading.options.cameraAndTarget.sensor) return std::nullopt;
  return "expected WxH, whole numbers of pixels from 1 to 1,000,000, got " + std::string(value);
}

Problem ReadWavelength(std::string_view value, Reading& reading) {
  return ReadValue(value, kPositiveNumber, "550", reading.options.cameraAndTarget.wavelength);
}

Problem ReadFieldStop(std::string_view value, Reading& reading) {
  double stop = 0;
  if (Problem problem = ReadValue(value, kFieldStopRule, "5.5", stop)) return problem;
  reading.options.cameraAndTarget.fieldStop = stop;
  return std::nullopt;
}

Problem ReadRedSpot(std::string_view value, Reading& reading) {
  double longitude = 0;
  if (Problem problem = ReadValue(value, kGrsRule, "26", longitude)) return problem;
  reading.options.cameraAndTarget.observing.redSpotLongitude = longitude;
  return std::nullopt;
}

// Each part of a site, as a misuse names it.
struct SitePartRecord {
  SitePart part;
  std::string_view name;
  NumberRule rule;
  std::string_view example;
};
constexpr SitePartRecord kSiteParts[] = {
    {SitePart::Latitude, "latitude", kLatitudeRule, "45.07"},
    {SitePart::Longitude, "longitude", kLongitudeRule, "7.69"},
    {SitePart::Height, "height in metres", kHeightRule, "240"},
};

// "expected LAT,LON or LAT,LON,HEIGHT, latitude from -90 to 90 such as
// 45.07, got 95,7.69": the part at fault named with its range.
Problem ReadSiteOption(std::string_view value, Reading& reading) {
  const SiteReading site = ReadSite(value);
  if (site.fault == SiteFault::None) {
    reading.options.cameraAndTarget.observing.site = site.site;
    return std::nullopt;
  }
  std::string problem = "expected LAT,LON or LAT,LON,HEIGHT, ";
  if (site.fault == SiteFault::PartCount) {
    problem += "degrees and metres such as 45.07,7.69,240, got " + std::string(value);
    // "45,07,7,69": commas for decimal marks make four parts or more.
    if (std::count(value.begin(), value.end(), ',') > 2) problem += kDecimalPoint;
    return problem;
  }
  for (const SitePartRecord& part : kSiteParts) {
    if (part.part != site.part) continue;
    problem.append(part.name).append(" from ").append(RangeText(part.rule));
    problem.append(" such as ").append(part.example);
  }
  return problem + ", got " + std::string(value);
}

// "400-700": two wavelengths, the first below the second.
Problem ReadBandOption(std::string_view value, Reading& reading) {
  const BandReading band = ReadBand(value);
  if (band.fault == BandFault::None) {
    reading.options.cameraAndTarget.observing.band = band.band;
    return std::nullopt;
  }
  std::string problem = "expected FROM-TO in nanometres, each from " + RangeText(kBandRule) +
                        " and FROM below TO, such as 400-700, got " + std::string(value);
  if (band.fault == BandFault::Number && band.number == NumberFault::DecimalComma)
    problem += kDecimalPoint;
  return problem;
}

Problem ReadMinimumAltitude(std::string_view value, Reading& reading) {
  return ReadValue(value, kMinAltitudeRule, "30",
                   reading.options.cameraAndTarget.observing.minimumAltitude);
}

Problem ReadNight(std::string_view value, Reading& reading) {
  constexpr NumberRule kMinutes{true, 1, 240};
  const NumberReading minutes = ReadStrictNumber(value, kMinutes);
  if (minutes.fault == NumberFault::None && minutes.value == std::floor(minutes.value)) {
    reading.nightMinutes = static_cast<int>(minutes.value);
    return std::nullopt;
  }
  std::string problem = "expected a whole number of minutes from " + RangeText(kMinutes) +
                        " such as 15, got " + std::string(value);
  if (minutes.fault == NumberFault::DecimalComma) problem += kDecimalPoint;
  return problem;
}

// "sun, moon, ..., or in Italian sole, luna, ...".
std::string TargetNames() {
  std::string english;
  std::string italian;
  for (std::size_t i = 0; i < kTargets.size(); ++i) {
    const std::string_view separator = i == 0 ? "" : ", ";
    english.append(separator).append(kTargets[i].englishName);
    italian.append(separator).append(kTargets[i].italianName);
  }
  return english + ", or in Italian " + italian;
}

Problem ReadTarget(std::string_view value, Reading& reading) {
  reading.target = TargetByName(value);
  reading.targetName = value;
  if (reading.target) return std::nullopt;
  return "expected one of " + TargetNames() + ", got " + std::string(value);
}

// Why a date text gives no instant; every problem has its words.
std::string DateProblemText(DateProblem problem, std::string_view value) {
  switch (problem) {
    case DateProblem::OutOfRange:
      return "expected an instant from " + std::string(kEphemerisRangeText) + ", got " +
             std::string(value);
    case DateProblem::NoLocalTime:
      return "this system cannot tell the local time " + std::string(value) +
             " in UTC; add Z or an offset such as +01:00";
    case DateProblem::SkippedLocalTime:
      return "the local time " + std::string(value) +
             " does not exist: the clocks skip it when summer time begins";
    case DateProblem::None:
    case DateProblem::Malformed: break;
  }
  return "expected YYYY-MM-DD, or YYYY-MM-DDTHH:MM[:SS] followed by Z, +HH:MM, -HH:MM or "
         "nothing for local time, got " +
         std::string(value);
}

Problem ReadDate(std::string_view value, Reading& reading) {
  const InstantReading instant = ReadInstant(value);
  if (instant.problem != DateProblem::None) return DateProblemText(instant.problem, value);
  reading.instant = instant.instant;
  return std::nullopt;
}

// The set-up file, read whole and refused with the reason where it is not
// one; a file that cannot be read is no misuse, and is told apart.
Problem ReadSetupFile(std::string_view value, Reading& reading) {
  const std::string path(value);
  const FileReading file = reading.files->Read(value, kMostSetupBytes + 1);
  if (file.failure) {
    reading.unreadable = "cannot read " + path + ": " + *file.failure;
    return std::nullopt;
  }
  const std::string& text = file.bytes;
  // Only so much is read: the file's own size is not known.
  if (text.size() > kMostSetupBytes)
    return path + ": more than the " + std::to_string(kMostSetupBytes) + " bytes a set-up may hold";
  SetupReading setup = ReadSetup(text);
  if (const SetupProblem* problem = std::get_if<SetupProblem>(&setup))
    return path + ": " + problem->reason;
  reading.setup = std::get<Setup>(std::move(setup));
  reading.setupPath = value;
  return std::nullopt;
}

Problem ReadSolveFromFile(std::string_view, Reading& reading) {
  reading.solveFromFile = true;
  return std::nullopt;
}

Problem ReadPicture(std::string_view value, Reading& reading) {
  if (value.empty()) return "expected the name of the file to write, such as jupiter.svg";
  reading.options.picture = std::string(value);
  return std::nullopt;
}

constexpr OptionRow kOptionRows[] = {
    {"--extraction",
     "FROM:TO:STEP",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {},
     ReadExtraction,
     "one row per extraction, FROM and TO included, 1,000,000 rows at most."},
    {"--focal-length",
     "F",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {},
     ReadSolve<ProjectionAim::FocalLength>,
     "the extraction giving equivalent focal length F."},
    {"--magnification",
     "M",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {},
     ReadSolve<ProjectionAim::Magnification>,
     "the extraction giving magnification M."},
    {"--focal-ratio",
     "N",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {"--aperture"},
     ReadSolve<PlanAim::FocalRatio>,
     "the extraction giving focal ratio N: --aperture 250 --focal-ratio 20 2500 5 gives the "
     "extraction 2.5."},
    {"--image-scale",
     "S",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {"--pixel-size"},
     ReadSolve<PlanAim::ImageScale>,
     "the extraction giving S arcseconds per pixel: --pixel-size 3.75 --image-scale .15 2500 5 "
     "gives 2.42406840554768."},
    {"--sampling",
     "Q",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {"--aperture", "--pixel-size"},
     ReadSolve<PlanAim::Sampling>,
     "the extraction giving sampling Q: --aperture 250 --pixel-size 3.75 --sampling 2 2500 5 "
     "gives 3.66666666666667, at f/13.636364."},
    {"--target-pixels",
     "PX",
     Role::SweepOrSolve,
     HelpSection::Solving,
     {"--target", "--pixel-size"},
     ReadSolve<PlanAim::DiscPixels>,
     "the extraction giving the target a disc PX pixels across: --target jupiter --date "
     "2026-12-07 --pixel-size 3.75 --target-pixels 300 2500 5 gives 2.14903248647491."},
    {"--aperture",
     "D",
     Role::Value,
     HelpSection::Planning,
     {},
     ReadAperture,
     "the objective's aperture D, in the unit of the other lengths; adds RAPPORTO FOCALE, the "
     "equivalent focal length over D: --aperture 250 2500 5 2.5 gives 20; with --pixel-size, "
     "also CAMPIONAMENTO (Q), the sampling (see --wavelength)."},
    {"--pixel-size",
     "P",
     Role::Value,
     HelpSection::Planning,
     {},
     ReadPixelSize,
     "the camera's pixel size P in micrometres, the lengths in millimetres; adds SCALA "
     "(ARCSEC/PIXEL), 206.264806 * P over the equivalent focal length: --pixel-size 3.75 2500 5 "
     "2.5 gives .154699."},
    {"--pixels",
     "WxH",
     Role::Value,
     HelpSection::Planning,
     {"--pixel-size"},
     ReadPixels,
     "the sensor's width and height in pixels, 1 to 1,000,000 each; adds CAMPO ORIZZ. (ARCMIN) "
     "and CAMPO VERT. (ARCMIN), the angles the sensor spans, in arcminutes: --pixel-size 3.75 "
     "--pixels 1280x960 2500 5 2.5 gives 3.300237 and 2.475178. These are the exact angles, "
     "2 * atan(W * P / (2000 * focal length)), not the small-angle W * scale / 60, which "
     "overstates wide fields."},
    {"--field-stop",
     "MM",
     Role::Value,
     HelpSection::Planning,
     {"--pixel-size"},
     ReadFieldStop,
     "the eyepiece's field stop in millimetres, as its maker gives it; adds DIAFRAMMA (PIXEL), "
     "the diameter of its image on the sensor, MM * INGRANDIMENTI * 1000 / P: --pixel-size 3.75 "
     "--field-stop 5.5 2500 5 2.5 gives 2933.333333. Where it is below the sensor's diagonal, "
     "the stop cuts the sensor's corners."},
    {"--wavelength",
     "NM",
     Role::Value,
     HelpSection::Planning,
     {},
     ReadWavelength,
     "the wavelength in nanometres, 550 when not given, of CAMPIONAMENTO (Q), the sampling "
     "(with --aperture and --pixel-size): the wavelength in micrometres times the focal ratio "
     "over P. Q = 2 samples the finest detail the aperture resolves at the Nyquist rate; below "
     "2 the camera undersamples: --aperture 250 --pixel-size 3.75 2500 5 2.5 gives 2.933333, "
     "and with --wavelength 656 (hydrogen alpha) 3.498667."},
    {"--target",
     "NAME",
     Role::Value,
     HelpSection::Targets,
     {},
     ReadTarget,
     "the Sun, the Moon or a planet: sun, moon, mercury, venus, mars, jupiter, saturn, uranus, "
     "neptune, or in Italian sole, luna, mercurio, venere, marte, giove, saturno, urano, "
     "nettuno, in any case; adds DIAMETRO (ARCSEC), its apparent equatorial diameter, and for "
     "Saturn ANELLI (ARCSEC), the outer diameter of its rings; with --pixel-size, DIAMETRO "
     "(PIXEL), the disc's size on the sensor, and for Mars, Jupiter and Saturn RIPRESA MAX (S), "
     "the longest capture, in seconds, before a feature at the disc's centre moves by one pixel "
     "as the planet turns: --target jupiter --date 2026-12-07 --pixel-size 3.75 2500 5 2.5 "
     "gives 39.894279, 257.883898 and 44.102064. Then, for all but the Sun, FASE (%), the lit "
     "share of the disc, ANGOLO DI FASE (GRADI), the angle at the target between the Sun and "
     "the Earth, and LEMBO (GRADI), where the bright limb's midpoint lies; for Mars, Jupiter "
     "and Saturn ASSE (GRADI), where the north pole points; for Mars MC (GRADI), the longitude "
     "of the central meridian; for Jupiter MC I (GRADI) and MC II (GRADI), those of Systems I "
     "and II at the disc's geometric centre (some programs give the lit disc's), MACCHIA ROSSA, "
     "the Great Red Spot's next transit of the central meridian as seen from the Earth (see "
     "--grs), and IO X, IO Y, EUROPA X, EUROPA Y, GANIMEDE X, GANIMEDE Y, CALLISTO X and "
     "CALLISTO Y, each moon's offset from Jupiter's centre in Jupiter's equatorial radii, X "
     "towards the west and Y towards Jupiter's north. Directions on the sky are position "
     "angles, in degrees from the celestial north through the east. Without --site, sizes and "
     "the disc are as seen from the Earth's centre: from the ground the Moon looks up to about "
     "1.8% larger when it is high in the sky."},
    {"--date",
     "WHEN",
     Role::Value,
     HelpSection::Targets,
     {},
     ReadDate,
     "the instant of the target's size, for the whole run: YYYY-MM-DD (00:00 UTC), or "
     "YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS followed by Z (UTC), an offset +HH:MM or -HH:MM, "
     "or nothing for this machine's local time: 2026-12-07, 2026-12-07T21:30Z, "
     "2026-12-07T21:30+01:00, 2026-12-07T21:30. A local time the clocks skip, when summer time "
     "begins, is refused; one they show twice, when it ends, is the first of the two. From "
     "1800-01-01 to 2050-12-31 (UTC); now when not given."},
    {"--grs",
     "LONGITUDE",
     Role::Value,
     HelpSection::Targets,
     {},
     ReadRedSpot,
     "the Great Red Spot's longitude in System II, 0 to 360, for MACCHIA ROSSA; when not "
     "given, 26 as JUPOS measured it on 2022-11-01, carried on at the 1.75 degrees a month it "
     "drifts by (IMCCE). Jupiter's own period puts a transit about every 9 hours 56 minutes."},
    {"--events",
     "",
     Role::Switch,
     HelpSection::Targets,
     {"--target"},
     ReadEvents,
     "with --target jupiter, in place of a set-up's rows, a row for each phenomenon of "
     "Jupiter's four large moons in the 24 hours from the instant: ORA, its local time, "
     "SATELLITE, the moon (Io, Europa, Ganimede, Callisto), and FENOMENO, the event: inizio "
     "transito and fine transito (the moon crosses the disc), inizio ombra and fine ombra (its "
     "shadow does), inizio occultazione and fine occultazione (it is behind the disc), inizio "
     "eclissi and fine eclissi (in Jupiter's shadow); with --site also ALTEZZA (GRADI), "
     "Jupiter's altitude then. An event hidden from the Earth, as an eclipse that begins "
     "behind the disc, is left out. Operands are accepted and change nothing."},
    {"--site",
     "LAT,LON[,HEIGHT]",
     Role::Value,
     HelpSection::Sky,
     {},
     ReadSiteOption,
     "where you observe from: the latitude (-90 to 90, north positive) and longitude (-180 to "
     "180, east positive) in decimal degrees, and the height in metres (-500 to 9000, 0 when "
     "not given): --site 45.07,7.69,240. With --target, adds ALTEZZA (GRADI), the target's "
     "apparent altitude (seen from the site and lifted by refraction), AZIMUT (GRADI), from "
     "the north through the east, MASSA D'ARIA, the air its light crosses against the zenith's "
     "(Kasten and Young), DISPERSIONE (ARCSEC), how far the air spreads a point into a "
     "spectrum across the band (see --band), and with --pixel-size DISPERSIONE (PIXEL), the "
     "same on the sensor: above 1 pixel an atmospheric dispersion corrector is worth it. Then "
     "SORGE, TRANSITA and TRAMONTA, the rising, crossing of the meridian and setting on the "
     "local date of the instant (the Sun's and the Moon's upper limb, a planet's centre, with "
     "34' of refraction), MIGLIORE ORA, when the target stands highest that night while the "
     "Sun is at least 6 degrees below the horizon (for the Sun, its transit), and SOPRA MIN. "
     "DALLE and SOPRA MIN. FINO ALLE, the longest stretch of the night, from the Sun's setting "
     "to its rising, when it stands above --min-altitude. The diameter and the disc are then "
     "as seen from the site."},
    {"--band",
     "FROM-TO",
     Role::Value,
     HelpSection::Sky,
     {},
     ReadBandOption,
     "the band of DISPERSIONE in nanometres, each end from 300 to 1100 and FROM below TO; "
     "400-700, a colour camera's, when not given: at sea level 400-700 is spread over about "
     "2.5 arcseconds at 30 degrees of altitude and 4 at 20."},
    {"--min-altitude",
     "DEG",
     Role::Value,
     HelpSection::Sky,
     {},
     ReadMinimumAltitude,
     "the altitude in degrees, 0 to 90, 30 when not given, that SOPRA MIN. DALLE and SOPRA "
     "MIN. FINO ALLE count from."},
    {"--night",
     "MINUTES",
     Role::Value,
     HelpSection::Sky,
     {"--target", "--site"},
     ReadNight,
     "one set-up, OBJECTIVE EYEPIECE EXTRACTION, at an instant every MINUTES (a whole number, "
     "1 to 240) from the Sun's setting on the evening of the instant's local date to its "
     "rising, a row each, starting with ORA, the instant, and carrying every column then; "
     "where the Sun does not set or does not rise, the 24 hours around its lowest. Not with a "
     "sweep, a solve or a batch."},
    {"--setup",
     "FILE",
     Role::Value,
     HelpSection::Files,
     {},
     ReadSetupFile,
     "reads the set-up file FILE, JSON as the window's SALVA IMPOSTAZIONE writes it, as "
     "options: its aperture, pixel size, sensor, wavelength, target, site, field stop, band, "
     "minimum altitude and Red Spot longitude as --aperture, --pixel-size, --pixels, "
     "--wavelength, --target, --site, --field-stop, --band, --min-altitude and --grs give "
     "them, and with no operand its lengths as OBJECTIVE EYEPIECE EXTRACTION (OBJECTIVE and "
     "EYEPIECE for a sweep or a solve; a file without them leaves the set-ups to standard "
     "input), taken as the window's boxes take them, to 15 significant digits. An option or an "
     "operand given as well wins over the file, and what an option needs (--pixels needs "
     "--pixel-size) the file may give. A file holds no date: the instant is --date's, "
     "or now. Its solve is applied only with --solve. A file of another version, one that is "
     "no set-up and one over 65536 bytes are refused with the reason."},
    {"--solve",
     "",
     Role::SweepOrSolve,
     HelpSection::Files,
     {"--setup"},
     ReadSolveFromFile,
     "the extraction giving the set-up file's solve, the planning panel's RAGGIUNGI and VALORE, "
     "as the option of that aim gives it: a file's \"solve\": {\"aim\": \"sampling\", "
     "\"value\": 2} solves as --sampling 2 would. Without --solve the file's solve is not "
     "applied, as the panel does not solve when it opens a file but waits for ADATTA."},
    {"--picture",
     "FILE.svg",
     Role::Value,
     HelpSection::Files,
     {"--pixel-size", "--pixels"},
     ReadPicture,
     "writes the planning picture of the one set-up (OBJECTIVE EYEPIECE EXTRACTION, the "
     "file's, or the one a solve finds) to FILE.svg: the sensor's field to scale over the "
     "target at the instant, north up and east to the left, with the moons, the Red Spot and "
     "the field stop where they apply, and a line saying what it shows; in the day's colours, "
     "the same bytes as the planning panel's ESPORTA IMMAGINE saves for the same inputs and "
     "instant (the picture follows --grs, which the panel leaves at its default). A file there "
     "before is replaced only once the picture is whole. Not with a sweep, a batch, --night or "
     "--events."},
    {"--tsv",
     "",
     Role::Switch,
     HelpSection::Output,
     {},
     ReadTsv,
     "tab-separated values, no captions."},
    {"--header",
     "",
     Role::Switch,
     HelpSection::Output,
     {},
     ReadHeader,
     "with --tsv (or rows), a first line of captions."},
    {"--json",
     "",
     Role::Switch,
     HelpSection::Output,
     {},
     ReadJson,
     "a JSON object for each row (JSON Lines), with the keys listed under Columns and JSON "
     "keys: each number the one its column shows (six decimals, the extraction as a box "
     "holds it) as JSON writes numbers, .154699 as 0.154699, so that every platform writes "
     "the same; times and words as strings; a value that is absent (a set-up that failed, "
     "an air mass below the horizon) as null. Not with --tsv or --header."},
    {"--help", "", Role::Answer, HelpSection::Output, {}, nullptr, "this text."},
    {"--version",
     "",
     Role::Answer,
     HelpSection::Output,
     {},
     nullptr,
     "the version, the copyright and the licence."},
};

// "--a, --b and --c": the options that choose a sweep or a solve.
std::string ModeOptionNames() {
  std::vector<std::string_view> names;
  for (const OptionRow& row : kOptionRows) {
    if (row.role == Role::SweepOrSolve) names.push_back(row.name);
  }
  return NamesInProse(names);
}

std::string Operands(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " operand" : " operands");
}

Misuse Refused(std::string_view option, std::string_view why) {
  return Misuse{std::string(option) + ": " + std::string(why)};
}

// The row of the option named `name`, which is one of the table's.
const OptionRow& RowNamed(std::string_view name) {
  return *std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                       [&](const OptionRow& option) { return option.name == name; });
}

bool Holds(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The options `row` needs that `supplied` lacks, in its order.
std::vector<std::string_view> Lacking(const OptionRow& row,
                                      const std::vector<std::string_view>& supplied) {
  std::vector<std::string_view> lacking;
  for (const std::string_view need : row.needs)
    if (!need.empty() && !Holds(supplied, need)) lacking.push_back(need);
  return lacking;
}

// The options given in `given` each with the options they need among those
// `supplied` (given, or by the set-up file), or the first that lacks one.
std::optional<Misuse> LackingNeeds(const std::vector<const OptionRow*>& given,
                                   const std::vector<std::string_view>& supplied) {
  for (const OptionRow* row : given) {
    if (Lacking(*row, supplied).empty()) continue;
    const auto named = std::find(row->needs.begin(), row->needs.end(), std::string_view());
    return Refused(row->name, "needs " + NamesInProse({row->needs.begin(), named}));
  }
  return std::nullopt;
}

// The set-up file's values, each read by its option's reader where the
// option is not in `supplied` (then added to it); its solve with --solve;
// and, where no operand is given, its lengths into `lengths` as the operands
// the run takes (none where the file has none).
std::optional<Misuse> ApplySetupFile(Reading& reading, std::vector<std::string_view>& supplied,
                                     bool operandsGiven, std::vector<std::string>& lengths) {
  const SetupWords words = WordsOfSetup(*reading.setup);
  const std::string path(reading.setupPath);
  // The file's words are the program's own: an option refusing one would be
  // at odds with the file's reader, and is told as the file's fault.
  const auto read = [&](const OptionWord& word) -> std::optional<Misuse> {
    if (Problem problem = RowNamed(word.option).read(word.value, reading)) {
      return Refused("--setup",
                     path + ": " + std::string(word.option) + " " + word.value + ": " + *problem);
    }
    return std::nullopt;
  };
  for (const OptionWord& word : words.options) {
    if (Holds(supplied, word.option)) continue;
    if (std::optional<Misuse> misuse = read(word)) return misuse;
    supplied.push_back(word.option);
  }
  if (reading.solveFromFile) {
    if (!words.solve) return Refused("--solve", path + " holds no solve");
    const std::vector<std::string_view> lacking = Lacking(RowNamed(words.solve->option), supplied);
    if (!lacking.empty()) {
      return Refused("--solve", path + "'s solve, " + std::string(words.solve->option) + " " +
                                    words.solve->value + ", needs " + NamesInProse(lacking));
    }
    if (std::optional<Misuse> misuse = read(*words.solve)) return misuse;
  }
  // The moons' events take no set-up; a sweep and a solve no extraction.
  const bool anyLength = std::any_of(words.lengths.begin(), words.lengths.end(),
                                     [](const auto& length) { return length.has_value(); });
  if (operandsGiven || reading.events || !anyLength) return std::nullopt;
  const std::size_t needed = reading.modeOption.empty() ? 3 : 2;
  for (std::size_t i = 0; i < needed; ++i) {
    if (!words.lengths[i]) {
      return Refused("--setup", path + " has no \"" + std::string(kLengthKeys[i]) +
                                    "\": give OBJECTIVE EYEPIECE" +
                                    (needed == 3 ? " EXTRACTION" : ""));
    }
    lengths.push_back(*words.lengths[i]);
  }
  return std::nullopt;
}

// The mode the options and operands ask for, or why they do not fit.
std::variant<Mode, Misuse> ModeOf(const Reading& reading,
                                  const std::vector<std::string_view>& operands) {
  const std::size_t count = operands.size();
  const auto operand = [&](std::size_t i) { return ReadNumber(operands[i]); };
  // The moons' events take no set-up: one given is passed over.
  if (reading.events) {
    if (reading.target != Target::Jupiter) {
      return Refused("--events",
                     "needs --target jupiter, got --target " + std::string(reading.targetName));
    }
    if (!reading.modeOption.empty())
      return Refused("--events", "not with " + std::string(reading.modeOption));
    if (reading.nightMinutes) return Refused("--events", "not with --night");
    if (count != 0 && count != 3) {
      return Misuse{"expected OBJECTIVE EYEPIECE EXTRACTION or nothing with --events, got " +
                    Operands(count)};
    }
    return Events{};
  }
  if (reading.nightMinutes) {
    if (!reading.modeOption.empty()) {
      return Refused("--night", "not with " + std::string(reading.modeOption) +
                                    ": it takes OBJECTIVE EYEPIECE EXTRACTION");
    }
    if (count == 0)
      return Refused("--night", "not with a batch: give OBJECTIVE EYEPIECE EXTRACTION");
    if (count != 3) return Misuse{"expected OBJECTIVE EYEPIECE EXTRACTION, got " + Operands(count)};
    return Night{{operand(0), operand(1), operand(2)}, *reading.nightMinutes};
  }
  if (reading.modeOption.empty()) {
    if (count == 0) return Batch{};
    if (count != 3) return Misuse{"expected OBJECTIVE EYEPIECE EXTRACTION, got " + Operands(count)};
    return Single{{operand(0), operand(1), operand(2)}};
  }
  if (count != 2) {
    return Misuse{"expected OBJECTIVE EYEPIECE with " + std::string(reading.modeOption) + ", got " +
                  Operands(count)};
  }
  if (reading.extractions) return Sweep{operand(0), operand(1), *reading.extractions};
  return Solve{reading.solve->first, reading.solve->second, operand(0), operand(1)};
}

// --picture draws one set-up: a misuse with any mode of more, or of none.
std::optional<Misuse> PictureMisuse(const Mode& mode) {
  const std::optional<std::string_view> why = std::visit(
      Overloaded{
          [](const Single&) -> std::optional<std::string_view> { return std::nullopt; },
          [](const Solve&) -> std::optional<std::string_view> { return std::nullopt; },
          [](const Batch&) -> std::optional<std::string_view> {
            return "not with a batch: give OBJECTIVE EYEPIECE EXTRACTION";
          },
          [](const Sweep&) -> std::optional<std::string_view> { return "not with --extraction"; },
          [](const Night&) -> std::optional<std::string_view> { return "not with --night"; },
          [](const Events&) -> std::optional<std::string_view> { return "not with --events"; },
      },
      mode);
  if (!why) return std::nullopt;
  return Refused("--picture", *why);
}

}  // namespace

std::span<const OptionRow> OptionRows() {
  return kOptionRows;
}

std::string NamesInProse(std::span<const std::string_view> names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

Parsed Parse(std::span<const std::string_view> arguments, Files& files) {
  Reading reading;
  reading.files = &files;
  std::vector<std::string_view> operands;
  std::vector<const OptionRow*> given;
  bool operandsOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (operandsOnly || argument.size() < 2 || argument[0] != '-' ||
        (argument[1] != '-' && argument != "-h")) {
      operands.push_back(argument);  // "-3" is a number
      continue;
    }
    if (argument == "--") {
      operandsOnly = true;
      continue;
    }
    if (argument == "-h") return HelpRequest{};
    // "--name VALUE" or "--name=VALUE".
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto row = std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                                  [&](const OptionRow& option) { return option.name == name; });
    if (row == std::end(kOptionRows)) return Refused(name, "unknown option");
    std::string_view value;
    if (row->value.empty()) {
      if (equals != std::string_view::npos) return Refused(name, "takes no value");
    } else if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return Refused(name, "a value is missing");
    }
    if (row->role == Role::Answer) {
      if (name == "--help") return HelpRequest{};
      return VersionRequest{};
    }
    if (!row->value.empty() && value.starts_with("--")) {
      return Refused(name, "expected a value, got " + std::string(value));
    }
    if (row->role == Role::SweepOrSolve) {
      if (!reading.modeOption.empty()) return Refused(name, "only one of " + ModeOptionNames());
      reading.modeOption = row->name;
    }
    if (Problem problem = row->read(value, reading)) return Refused(name, *problem);
    if (reading.unreadable) return Unreadable{Refused(name, *reading.unreadable).reason};
    given.push_back(row);
  }
  std::vector<std::string_view> supplied;
  for (const OptionRow* row : given) supplied.push_back(row->name);
  std::vector<std::string> fileLengths;
  if (reading.setup) {
    if (std::optional<Misuse> misuse =
            ApplySetupFile(reading, supplied, !operands.empty(), fileLengths))
      return *misuse;
    if (!fileLengths.empty()) operands.assign(fileLengths.begin(), fileLengths.end());
  }
  if (std::optional<Misuse> lacking = LackingNeeds(given, supplied)) return *lacking;
  const Layout& layout = reading.options.layout;
  if (layout.json && (layout.tsv || layout.header))
    return Refused("--json", layout.tsv ? "not with --tsv" : "not with --header");
  std::variant<Mode, Misuse> mode = ModeOf(reading, operands);
  if (Misuse* misuse = std::get_if<Misuse>(&mode)) return std::move(*misuse);
  if (reading.options.picture) {
    if (std::optional<Misuse> misuse = PictureMisuse(std::get<Mode>(mode))) return *misuse;
  }
  Options options = std::move(reading.options);
  options.mode = std::get<Mode>(mode);
  if (reading.target) options.target = TargetChoice{*reading.target, reading.instant};
  return options;
}

}  // namespace celforo::cli
