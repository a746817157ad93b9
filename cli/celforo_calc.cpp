#include "cli/celforo_calc.h"

#include <cstddef>
#include <optional>
#include <variant>

#include "calc/ephemeris.h"
#include "calc/version.h"
#include "cli/batch_reader.h"
#include "cli/calculation.h"
#include "cli/help_text.h"
#include "cli/options.h"
#include "cli/overloaded.h"
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

// The camera and target of the run: the target's size computed once, at the
// instant of --date or now; a misuse when now is beyond the ephemerides.
std::variant<CameraAndTarget, Misuse> CameraAndTargetOfRun(const Options& options, Clock now) {
  CameraAndTarget cameraAndTarget = options.cameraAndTarget;
  if (!options.target) return cameraAndTarget;
  const TargetChoice& choice = *options.target;
  const UniversalTime instant = choice.instant ? *choice.instant : now();
  const std::optional<TargetSize> size = ApparentSize(choice.target, instant);
  if (!size) {
    return Misuse{"--target: now is outside " + std::string(kEphemerisRangeText) +
                  "; give an instant within it with --date"};
  }
  cameraAndTarget.target = TargetOnDate{choice.target, *size};
  return cameraAndTarget;
}

// Computes the options' rows and writes them as they come.
int RunOptions(const Options& options, Input& in, Writer& output, Writer& errors, Clock now) {
  const std::variant<CameraAndTarget, Misuse> cameraAndTarget = CameraAndTargetOfRun(options, now);
  if (const Misuse* misuse = std::get_if<Misuse>(&cameraAndTarget)) {
    return PutMisuse(*misuse, errors);
  }
  const bool withExtraction =
      std::holds_alternative<Sweep>(options.mode) || std::holds_alternative<Solve>(options.mode);
  const Calculator calculator(std::get<CameraAndTarget>(cameraAndTarget), withExtraction);
  Printer printer(options.layout, calculator.columns(), output, errors);
  const auto header = [&] {
    if (options.layout.header) printer.Header();
  };
  std::optional<StreamFailure> readFailure;
  std::visit(
      Overloaded{
          [&](const Single& single) { printer.PutCaptioned(calculator.Calculate(single.inputs)); },
          [&](const Batch&) {
            header();
            readFailure = AnswerBatch(in, calculator, printer, output, errors);
          },
          [&](const Sweep& sweep) {
            header();
            const ExtractionSteps& steps = sweep.extractions;
            for (std::size_t row = 0; row < steps.rows(); ++row) {
              if (output.failure() || errors.failure()) break;
              const ProjectionInputs inputs{sweep.objective, sweep.eyepiece, steps.Extraction(row)};
              printer.PutRow(calculator.Calculate(inputs), Place{"row", row + 1});
            }
          },
          [&](const Solve& solve) { printer.PutCaptioned(calculator.Calculate(solve)); },
      },
      options.mode);
  if (readFailure) {
    output.Flush();
    errors.Put("celforo-calc: read error: ");
    errors.Put(*readFailure);
    errors.Put('\n');
    return kStreamFailed;
  }
  return printer.failed() ? kCalculationFailed : kSuccess;
}

// The program without its last word: a write failure, which the caller reports.
int Run(std::span<const std::string_view> arguments, Input& in, Writer& output, Writer& errors,
        Clock now) {
  const Parsed parsed = Parse(arguments);
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
                        [&](const Options& options) -> int {
                          return RunOptions(options, in, output, errors, now);
                        },
                    },
                    parsed);
}

}  // namespace

int RunCelforoCalc(std::span<const std::string_view> arguments, Input& in, Output& out, Output& err,
                   Clock now) {
  Writer output(out);
  Writer errors(err);
  const int status = Run(arguments, in, output, errors, now);
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
