#include "cli/celforo_calc.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "calc/date_time.h"
#include "calc/target_on_date.h"
#include "calc/version.h"
#include "cli/batch_reader.h"
#include "cli/calculation.h"
#include "cli/events.h"
#include "cli/help_text.h"
#include "cli/night_rows.h"
#include "cli/options.h"
#include "cli/overloaded.h"
#include "cli/picture.h"
#include "cli/printer.h"
#include "cli/writer.h"

namespace celforo::cli {
namespace {

int PutMisuse(const Misuse& misuse, Writer& errors) {
  errors.Put("celforo-calc: ");
  errors.Put(misuse.reason);
  errors.Put('\n');
  errors.Put(UsageText());
  errors.Put("Try 'celforo-calc --help' for more information.\n");
  return kUsage;
}

// The instant of the run: --date's, or now, read once; a misuse when now is
// beyond the ephemerides.
std::variant<UniversalTime, Misuse> InstantOfRun(const TargetChoice& choice, Clock now) {
  const UniversalTime instant = choice.instant ? *choice.instant : now();
  if (!InEphemerisRange(instant)) {
    return Misuse{"--target: now is outside " + std::string(kEphemerisRangeText) +
                  "; give an instant within it with --date"};
  }
  return instant;
}

// The camera and target of the run: the target computed once, at `instant`.
CameraAndTarget CameraAndTargetAt(const Options& options, UniversalTime instant) {
  CameraAndTarget cameraAndTarget = options.cameraAndTarget;
  if (options.target) {
    cameraAndTarget.target =
        TargetOnDateAt(options.target->target, instant, cameraAndTarget.observing);
  }
  return cameraAndTarget;
}

Misuse OutsideTheRange(std::string_view option, std::string_view what) {
  return Misuse{std::string(option) + ": " + std::string(what) + " must lie within " +
                std::string(kEphemerisRangeText)};
}

// A set-up through the night: a row every `minutes`, each computed with the
// target at its instant; the night itself, its best time and span, are
// those of the evening of the instant's local date for every row.
int RunNight(const Options& options, const Night& night, UniversalTime instant, Writer& output,
             Writer& errors) {
  const CameraAndTarget evening = CameraAndTargetAt(options, MiddayOf(instant));
  if (!evening.target || !evening.target->sky)
    return PutMisuse(OutsideTheRange("--night", "the night"), errors);
  const TimeSpan span = evening.target->sky->night.span;
  if (!InEphemerisRange(span.start) || !InEphemerisRange(span.end))
    return PutMisuse(OutsideTheRange("--night", "the night"), errors);
  const Columns columns(Lead::Time, evening);
  Printer printer(options.layout, columns, output, errors);
  if (options.layout.header) printer.Header();
  CameraAndTarget cameraAndTarget = evening;
  std::size_t row = 0;
  for (const UniversalTime at : NightInstants(span, night.minutes)) {
    if (output.failure() || errors.failure()) break;
    cameraAndTarget.target = TargetOnDateAt(at, cameraAndTarget.observing, *cameraAndTarget.target);
    if (!cameraAndTarget.target) break;  // not within the range, which the span is
    const Calculator calculator(cameraAndTarget, Lead::Time, options.layout.json);
    printer.PutRow(calculator.Calculate(night.inputs), Place{"row", ++row});
  }
  return printer.failed() ? kCalculationFailed : kSuccess;
}

// The moons' events from the instant, a row each.
int RunEvents(const Options& options, UniversalTime instant, Writer& output, Writer& errors) {
  if (!InEphemerisRange(instant + kEventsSpan))
    return PutMisuse(OutsideTheRange("--events", "the 24 hours from the instant"), errors);
  const std::optional<Site>& site = options.cameraAndTarget.observing.site;
  const Columns columns = Columns::ForEvents(site.has_value());
  Printer printer(options.layout, columns, output, errors);
  if (options.layout.header) printer.Header();
  for (Row& row : EventRows(instant, site, options.layout.json))
    printer.PutRow(Outcome(std::move(row)), {});
  return kSuccess;
}

// The picture of the run's one set-up, `pictured` where it has results,
// written to --picture's file; the status it leaves the run with.
int PutPicture(const std::string& path, const CameraAndTarget& cameraAndTarget,
               const std::optional<ProjectionInputs>& pictured, Files& files, Writer& errors) {
  const auto report = [&](std::string_view why) {
    errors.Put("celforo-calc: --picture: ");
    errors.Put(why);
    errors.Put('\n');
  };
  if (!pictured) {
    report("the set-up has no results to draw; " + path + " is left as it was");
    return kCalculationFailed;
  }
  const Computed<std::variant<std::string, NoPicture>> computed =
      PictureDocument(cameraAndTarget, *pictured);
  if (!computed) {
    report(computed.error()->line() + "; " + path + " is left as it was");
    return kCalculationFailed;
  }
  const std::variant<std::string, NoPicture>& picture = *computed;
  if (const NoPicture* none = std::get_if<NoPicture>(&picture)) {
    report(std::string(none->why) + "; " + path + " is left as it was");
    return kCalculationFailed;
  }
  const std::string& document = std::get<std::string>(picture);
  if (const std::optional<StreamFailure> failure = files.Replace(path, document)) {
    report("cannot write " + path + ": " + *failure);
    return kStreamFailed;
  }
  return kSuccess;
}

// Computes the options' rows and writes them as they come, and the picture.
int RunOptions(const Options& options, Input& in, Writer& output, Writer& errors, Files& files,
               Clock now) {
  UniversalTime instant;
  if (options.target) {
    const std::variant<UniversalTime, Misuse> read = InstantOfRun(*options.target, now);
    if (const Misuse* misuse = std::get_if<Misuse>(&read)) return PutMisuse(*misuse, errors);
    instant = std::get<UniversalTime>(read);
  }
  const Layout& layout = options.layout;
  if (const Night* night = std::get_if<Night>(&options.mode))
    return RunNight(options, *night, instant, output, errors);
  if (std::holds_alternative<Events>(options.mode))
    return RunEvents(options, instant, output, errors);
  const bool withExtraction =
      std::holds_alternative<Sweep>(options.mode) || std::holds_alternative<Solve>(options.mode);
  const CameraAndTarget cameraAndTarget = CameraAndTargetAt(options, instant);
  const Calculator calculator(cameraAndTarget, withExtraction ? Lead::Extraction : Lead::None,
                              layout.json);
  Printer printer(layout, calculator.columns(), output, errors);
  const auto header = [&] {
    if (layout.header) printer.Header();
  };
  std::optional<StreamFailure> readFailure;
  std::optional<ProjectionInputs> pictured;  // the one set-up, where it has results
  std::visit(
      Overloaded{
          [&](const Single& single) {
            const Outcome outcome = calculator.Calculate(single.inputs);
            printer.PutCaptioned(outcome);
            if (std::holds_alternative<Row>(outcome)) pictured = single.inputs;
          },
          [&](const Batch&) {
            header();
            readFailure = AnswerBatch(in, calculator, printer, output, errors);
          },
          [&](const Sweep& sweep) {
            header();
            const ExtractionSteps& steps = sweep.extractions;
            Outcome outcome;
            for (std::size_t row = 0; row < steps.rows(); ++row) {
              if (output.failure() || errors.failure()) break;
              const ProjectionInputs inputs{sweep.objective, sweep.eyepiece, steps.Extraction(row)};
              calculator.Calculate(inputs, outcome);
              printer.PutRow(outcome, Place{"row", row + 1});
            }
          },
          [&](const Solve& solve) {
            const Outcome outcome = calculator.Calculate(solve);
            printer.PutCaptioned(outcome);
            if (!std::holds_alternative<Row>(outcome)) return;
            if (const Computed<ProjectionInputs> setUp = calculator.SetUpOf(solve))
              pictured = *setUp;
          },
          [&](const Night&) {},
          [&](const Events&) {},
      },
      options.mode);
  if (readFailure) {
    output.Flush();
    errors.Put("celforo-calc: read error: ");
    errors.Put(*readFailure);
    errors.Put('\n');
    return kStreamFailed;
  }
  const int status = printer.failed() ? kCalculationFailed : kSuccess;
  if (!options.picture) return status;
  return std::max(status, PutPicture(*options.picture, cameraAndTarget, pictured, files, errors));
}

// The program without its last word: a write failure, which the caller reports.
int Run(std::span<const std::string_view> arguments, Input& in, Writer& output, Writer& errors,
        Files& files, Clock now) {
  const Parsed parsed = Parse(arguments, files);
  return std::visit(Overloaded{
                        [&](const HelpRequest&) -> int {
                          output.Put(UsageText());
                          output.Put('\n');
                          output.Put(HelpText());
                          return kSuccess;
                        },
                        [&](const VersionRequest&) -> int {
                          output.Put("celforo-calc ");
                          output.Put(kVersion);
                          output.Put('\n');
                          output.Put(kCopyrightAndLicence);
                          return kSuccess;
                        },
                        [&](const Misuse& misuse) -> int { return PutMisuse(misuse, errors); },
                        [&](const Unreadable& unreadable) -> int {
                          errors.Put("celforo-calc: ");
                          errors.Put(unreadable.reason);
                          errors.Put('\n');
                          return kStreamFailed;
                        },
                        [&](const Options& options) -> int {
                          return RunOptions(options, in, output, errors, files, now);
                        },
                    },
                    parsed);
}

}  // namespace

int RunCelforoCalc(std::span<const std::string_view> arguments, Input& in, Output& out, Output& err,
                   Files& files, Clock now) {
  Writer output(out);
  Writer errors(err);
  const int status = Run(arguments, in, output, errors, files, now);
  output.Flush();
  errors.Flush();
  const std::optional<StreamFailure>& failure =
      output.failure() ? output.failure() : errors.failure();
  if (!failure) return status;
  // Said straight to the error stream, which may be the one that failed.
  static_cast<void>(err.Write("celforo-calc: write error: " + *failure + "\n"));
  return kStreamFailed;
}

}  // namespace celforo::cli
