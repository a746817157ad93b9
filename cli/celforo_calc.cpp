#include "cli/celforo_calc.h"

#include <cstddef>
#include <optional>

#include "calc/numeric_text.h"
#include "calc/planning.h"
#include "calc/projection.h"
#include "cli/batch_reader.h"
#include "cli/help_text.h"
#include "cli/options.h"
#include "cli/printer.h"
#include "cli/row.h"
#include "cli/writer.h"

namespace celforo::cli {
namespace {

// The extraction a solving mode aims at `target` with.
double SolveExtraction(const Options& options, double objective, double eyepiece, double target) {
  switch (options.mode) {
    case Mode::SolveMagnification: return ExtractionForMagnification(eyepiece, target);
    case Mode::SolveFocalRatio:
      return ExtractionForFocalRatio(objective, eyepiece, *options.planning.aperture, target);
    case Mode::SolveImageScale:
      return ExtractionForImageScale(objective, eyepiece, *options.planning.pixelSize, target);
    default: return ExtractionForFocalLength(objective, eyepiece, target);
  }
}

// The program without its last word: a write failure, which the caller reports.
int Run(std::span<const std::string_view> arguments, Input& in, Writer& output, Writer& errors) {
  const Parsed parsed = Parse(arguments, output);
  if (parsed.answered) return kSuccess;
  if (!parsed.problem.empty()) {
    errors.Put("celforo-calc: ");
    errors.Put(parsed.problem);
    errors.Put('\n');
    errors.Put(kUsageText);
    errors.Put("Try 'celforo-calc --help' for more information.\n");
    return kUsage;
  }
  const Options* const options = &parsed.options;
  const PlanningColumns& planning = options->planning;

  Printer printer(*options, output, errors);
  const auto operand = [&](std::size_t i) { return ReadNumber(options->operands[i]); };
  switch (options->mode) {
    case Mode::Single:
      printer.CalculateCaptioned(
          [&] {
            return Calculate({operand(0), operand(1), operand(2)}, false, planning);
          },
          false);
      break;
    case Mode::Batch:
      if (options->header) printer.Header(false);
      if (const std::optional<StreamFailure> failure =
              AnswerBatch(in, planning, printer, output, errors)) {
        output.Flush();
        errors.Put("celforo-calc: read error: ");
        errors.Put(*failure);
        errors.Put('\n');
        return kStreamFailed;
      }
      break;
    case Mode::Sweep: {
      if (options->header) printer.Header(true);
      const Sweep& sweep = options->sweep;
      for (std::size_t row = 0; row < sweep.rows(); ++row) {
        if (output.failure() || errors.failure()) break;
        printer.CalculateRow(
            [&] {
              return Calculate({operand(0), operand(1), sweep.Extraction(row)}, true, planning);
            },
            true, Place{"row", row + 1});
      }
      break;
    }
    case Mode::SolveFocalLength:
    case Mode::SolveMagnification:
    case Mode::SolveFocalRatio:
    case Mode::SolveImageScale: {
      const double target = ReadNumber(options->target);
      printer.CalculateCaptioned(
          [&] {
            const double extraction = SolveExtraction(*options, operand(0), operand(1), target);
            return Calculate({operand(0), operand(1), extraction}, true, planning);
          },
          true);
      break;
    }
  }
  return printer.failed() ? kCalculationFailed : kSuccess;
}

}  // namespace

int RunCelforoCalc(std::span<const std::string_view> arguments, Input& in, Output& out,
                   Output& err) {
  Writer output(out);
  Writer errors(err);
  const int status = Run(arguments, in, output, errors);
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
