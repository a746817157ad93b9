#include "cli/celforo_calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "calc/version.h"

namespace celforo::cli {
namespace {

constexpr std::string_view kUsageText =
    "usage: celforo-calc [--tsv [--header]] [--extraction FROM:TO:STEP | --focal-length F |\n"
    "                    --magnification M] [OBJECTIVE EYEPIECE [EXTRACTION]]\n";

constexpr std::string_view kHelp =
    "Eyepiece projection: magnification, equivalent focal length and the distance\n"
    "from the eyepiece to the focal plane, as the CELFORO window computes them.\n"
    "\n"
    "With OBJECTIVE EYEPIECE EXTRACTION, computes that set-up. With no operand,\n"
    "reads set-ups from standard input, three fields a line separated by blanks\n"
    "or tabs, and answers each line as it comes; blank lines and lines starting\n"
    "with # are passed over, and a line longer than 1 MiB is reported. The\n"
    "options below take OBJECTIVE and EYEPIECE.\n"
    "\n"
    "  --extraction FROM:TO:STEP  one row per extraction, FROM and TO included,\n"
    "                             1,000,000 rows at most\n"
    "  --focal-length F           the extraction giving equivalent focal length F\n"
    "  --magnification M          the extraction giving magnification M\n"
    "  --tsv                      tab-separated values, no captions\n"
    "  --header                   with --tsv (or rows), a first line of captions\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 computed, 1 a calculation failed, 2 misuse, 3 the input could\n"
    "not be read or the output not written.\n";

constexpr std::string_view kExtractionCaption = "EXTR. OCULARE";
constexpr std::array<std::string_view, 3> kResultCaptions{"INGRANDIMENTI", "FOC. EQUIVALENTE",
                                                          "DIST. PIANO FOCALE - OCUL.ARE"};
constexpr std::size_t kCaptionWidth = 30;  // the longest caption and a space
constexpr std::size_t kMaxSweepRows = 1'000'000;

enum class Mode { Single, Batch, Sweep, SolveFocalLength, SolveMagnification };

// The extractions of --extraction FROM:TO:STEP, FROM and TO included. Each is
// computed from its row's index, so no rounding accumulates; the last one
// within a millionth of a step of TO is TO itself.
struct Sweep {
  double from = 0;
  double to = 0;
  double step = 0;
  std::size_t steps = 0;  // whole steps from FROM that end at or before TO
  bool toApart = false;   // whether TO is a row of its own after them

  std::size_t rows() const { return steps + (toApart ? 2 : 1); }
  double Extraction(std::size_t row) const {
    if (row > steps || (row == steps && !toApart)) return to;
    return from + static_cast<double>(row) * step;
  }
};

struct Options {
  Mode mode = Mode::Single;
  std::string_view modeOption;  // the option that chose the mode, if one did
  bool tsv = false;
  bool header = false;
  Sweep sweep;
  std::string_view target;
  std::vector<std::string_view> operands;
};

// Output gathered in a buffer and written in large pieces. The first write
// that fails is kept, and everything after it is dropped.
class Writer {
public:
  explicit Writer(Output& output) : output_(output) { buffer_.reserve(kFlushAt + 256); }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  void Put(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Put(char c) {
    buffer_ += c;
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Flush() {
    if (!failure_ && !buffer_.empty()) failure_ = output_.Write(buffer_);
    buffer_.clear();
  }
  const std::optional<StreamFailure>& failure() const { return failure_; }

private:
  static constexpr std::size_t kFlushAt = 1 << 16;
  Output& output_;
  std::string buffer_;
  std::optional<StreamFailure> failure_;
};

// Where a failure happened: "line 3", "row 2", or nowhere in particular.
struct Place {
  std::string_view word;
  std::size_t number = 0;
};

std::string Describe(Place place) {
  return place.word.empty() ? std::string()
                            : std::string(place.word) + ' ' + std::to_string(place.number);
}

// One row of shown texts: an optional extraction, then the three results.
struct Row {
  std::optional<std::string> extraction;
  std::array<std::string, 3> results;
};

// The results are computed first, so a failure is the window's. The
// extraction is an input, written as the window writes a value into a box.
Row Calculate(const ProjectionInputs& inputs, bool showExtraction) {
  const ProjectionResults results = ComputeProjection(inputs);
  Row row;
  row.results = {ResultText(results.magnification), ResultText(results.equivalentFocalLength),
                 ResultText(results.focalPlaneDistance)};
  if (showExtraction) row.extraction = SignedNumberText(inputs.eyepieceExtraction);
  return row;
}

// Writes a field without its sign column: " 1.5" as "1.5", "-1.5" as is.
std::string_view Unsigned(std::string_view text) {
  return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

void PutPadded(Writer& out, std::string_view text, std::size_t width) {
  out.Put(text);
  for (std::size_t i = text.size(); i < width; ++i) out.Put(' ');
}

class Printer {
public:
  Printer(const Options& options, Writer& out, Writer& err)
      : options_(options), out_(out), err_(err) {}

  bool failed() const { return failed_; }

  // A batch line that holds no set-up: reported, and a row of empty fields.
  void Unreadable(std::string_view why) {
    failed_ = true;
    err_.Put("celforo-calc: ");
    err_.Put(why);
    err_.Put('\n');
    err_.Flush();
    PutRow(std::nullopt, false);
  }

  // The caption line of --header.
  void Header(bool withExtraction) {
    std::vector<std::string_view> captions;
    if (withExtraction) captions.push_back(kExtractionCaption);
    captions.insert(captions.end(), kResultCaptions.begin(), kResultCaptions.end());
    for (std::size_t i = 0; i < captions.size(); ++i) {
      if (options_.tsv) {
        if (i > 0) out_.Put('\t');
        out_.Put(captions[i]);
      } else {
        PutPadded(out_, captions[i], i + 1 < captions.size() ? kCaptionWidth : 0);
      }
    }
    out_.Put('\n');
  }

  // One calculation as a row, or a row of empty fields after reporting why.
  // `compute` gives the row's texts or throws RunTimeError.
  template <typename Compute>
  void CalculateRow(Compute compute, bool withExtraction, Place where) {
    PutRow(Attempt(compute, where), withExtraction);
  }

  // A row of texts, or of empty fields when there is none.
  void PutRow(const std::optional<Row>& row, bool withExtraction) {
    const std::size_t count = withExtraction ? 4 : 3;
    for (std::size_t i = 0; i < count; ++i) {
      if (options_.tsv && i > 0) out_.Put('\t');
      if (!row) continue;
      const std::string_view field =
          withExtraction ? (i == 0 ? *row->extraction : row->results[i - 1]) : row->results[i];
      if (options_.tsv) {
        out_.Put(Unsigned(field));
      } else {
        PutPadded(out_, Unsigned(field), i + 1 < count ? kCaptionWidth : 0);
      }
    }
    out_.Put('\n');
  }

  // One calculation as caption lines ("INGRANDIMENTI   1.666667"), or with
  // --tsv as a row.
  template <typename Compute>
  void CalculateCaptioned(Compute compute, bool withExtraction) {
    if (options_.tsv) {
      if (options_.header) Header(withExtraction);
      CalculateRow(compute, withExtraction, {});
      return;
    }
    const std::optional<Row> row = Attempt(compute, {});
    if (withExtraction) CaptionLine(kExtractionCaption, row ? *row->extraction : std::string());
    for (std::size_t i = 0; i < 3; ++i) CaptionLine(kResultCaptions[i], row ? row->results[i] : "");
  }

private:
  void CaptionLine(std::string_view caption, std::string_view value) {
    PutPadded(out_, caption, value.empty() ? 0 : kCaptionWidth - 1);
    out_.Put(value);
    out_.Put('\n');
  }

  template <typename Compute>
  std::optional<Row> Attempt(Compute compute, Place where) {
    try {
      return compute();
    } catch (const RunTimeError& error) {
      Report(error, where);
      return std::nullopt;
    }
  }

  void Report(const RunTimeError& error, Place where) {
    failed_ = true;
    err_.Put("celforo-calc: ");
    if (!where.word.empty()) {
      err_.Put(Describe(where));
      err_.Put(": ");
    }
    const std::string report = error.report();  // "Errore di run-time '11':\n\nDivisione..."
    const std::size_t lines = report.find("\n\n");
    err_.Put(std::string_view(report).substr(0, lines));
    err_.Put(' ');
    err_.Put(std::string_view(report).substr(lines + 2));
    err_.Put('\n');
    err_.Flush();
  }

  const Options& options_;
  Writer& out_;
  Writer& err_;
  bool failed_ = false;
};

// The first four fields of a line, split at blanks and tabs, and how many
// there are (four meaning four or more).
struct Fields {
  std::array<std::string_view, 4> field;
  std::size_t count = 0;
};

Fields SplitFields(std::string_view line) {
  Fields fields;
  std::size_t at = 0;
  while (at < line.size() && fields.count < fields.field.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    const std::size_t begin = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
    if (at > begin) fields.field[fields.count++] = line.substr(begin, at - begin);
  }
  return fields;
}

// The set-ups of a batch, read line by line. Each read takes what has come;
// its complete lines are answered and their rows written out before the next
// read, so rows come back as soon as the input pauses. A line is held only up
// to kLineLimit bytes: a longer one is reported, gets an empty row and is
// passed over to its newline, so memory stays bounded whatever the input.
class Batch {
  static_assert(kReadBlock < kLineLimit, "a line too long to hold spans more than one read");

public:
  Batch(Printer& printer, Writer& out, Writer& err) : printer_(printer), out_(out), err_(err) {}

  // Answers every line of `in`. Stops at the first failure to read, which it
  // gives back, or to write.
  std::optional<StreamFailure> Run(Input& in) {
    std::vector<char> block(kReadBlock);
    for (;;) {
      const ReadResult read = in.Read(block);
      if (read.failure) return read.failure;
      if (read.size == 0) break;
      std::string_view data(block.data(), read.size);
      std::size_t newline = 0;
      while ((newline = data.find('\n')) != std::string_view::npos) {
        if (pending_.empty() && skipping_ == Skipping::No) {
          Answer(data.substr(0, newline));
        } else {
          Continue(data.substr(0, newline));
          Complete();
        }
        data.remove_prefix(newline + 1);
      }
      Continue(data);
      out_.Flush();
      if (out_.failure() || err_.failure()) return std::nullopt;
    }
    if (!pending_.empty() || skipping_ != Skipping::No) Complete();
    return std::nullopt;
  }

private:
  // A UTF-8 byte-order mark, as Windows editors put at the start of a file.
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  // The most of a line held: the limit, a byte-order mark and a CR.
  static constexpr std::size_t kMostHeld = kLineLimit + kByteOrderMark.size() + 1;

  std::string_view Pending() const { return {pending_.data(), pending_.size()}; }

  // What a line holds, told by its first character that is not a blank.
  enum class Kind { Blank, Comment, SetUp };
  static Kind KindOf(std::string_view text) {
    for (const char c : text) {
      if (c != ' ' && c != '\t') return c == '#' ? Kind::Comment : Kind::SetUp;
    }
    return Kind::Blank;
  }

  // The length of a byte-order mark that starts the input at `lineStart`.
  std::size_t MarkLength(std::string_view lineStart) const {
    return lineNumber_ == 0 && lineStart.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  }

  // A complete line, without its newline.
  void Answer(std::string_view line) {
    line.remove_prefix(MarkLength(line));
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const Place place{"line", lineNumber_};
    if (line.size() > kLineLimit) {  // the one byte past the limit that is held for a CR
      if (KindOf(line) == Kind::SetUp) ReportOverlong(place);
      return;
    }
    const Fields fields = SplitFields(line);
    if (fields.count == 0 || fields.field[0][0] == '#') return;
    if (fields.count > 3) {
      printer_.Unreadable(Describe(place) + ": more than three fields");
      return;
    }
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < fields.count; ++i) values[i] = ReadNumber(fields.field[i]);
    const ProjectionInputs inputs{values[0], values[1], values[2]};
    printer_.CalculateRow([&] { return Calculate(inputs, false); }, false, place);
  }

  // Part of a line whose newline has not come yet.
  void Continue(std::string_view part) {
    if (skipping_ == Skipping::Rest) return;
    if (skipping_ == Skipping::BlanksSoFar) {
      ContinueBlanks(part);
      return;
    }
    // Room for one byte past the limit: the CR of a CRLF line end.
    const std::size_t held = pending_.size() + part.size();
    if (held - MarkLength(Pending()) <= kLineLimit + 1) {
      // Grown in doubling steps while it is within a block, then at once to
      // the most a line can hold, so no copy of it holds twice that.
      if (held > pending_.capacity()) {
        std::size_t capacity = std::max<std::size_t>(pending_.capacity(), 256);
        while (capacity < held) capacity *= 2;
        pending_.reserve(capacity > kReadBlock ? kMostHeld : capacity);
      }
      pending_.insert(pending_.end(), part.begin(), part.end());
      return;
    }
    // Too long to hold: passed over from here, told apart by what came so far.
    skipping_ = Skipping::BlanksSoFar;
    heldReturn_ = false;
    ContinueBlanks(Pending().substr(MarkLength(Pending())));
    ContinueBlanks(part);
    pending_.clear();
  }

  // More of a line too long to hold that has shown nothing but blanks so far.
  // It is blank as long as only blanks come, with at most a CR at its end.
  void ContinueBlanks(std::string_view text) {
    if (skipping_ != Skipping::BlanksSoFar || text.empty()) return;
    if (heldReturn_) {  // a CR with more after it, which no line end is
      PassOver(Kind::SetUp);
      return;
    }
    heldReturn_ = text.back() == '\r';
    const Kind kind = KindOf(heldReturn_ ? text.substr(0, text.size() - 1) : text);
    if (kind != Kind::Blank) PassOver(kind);
  }

  // The newline of the line held or passed over.
  void Complete() {
    if (skipping_ != Skipping::No) {
      skipping_ = Skipping::No;
      ++lineNumber_;
      return;
    }
    Answer(Pending());
    pending_.clear();
  }

  // Passes over the rest of a line too long to hold that shows a comment or a
  // set-up; a set-up is reported.
  void PassOver(Kind kind) {
    skipping_ = Skipping::Rest;
    if (kind == Kind::SetUp) ReportOverlong({"line", lineNumber_ + 1});
  }

  void ReportOverlong(Place place) { printer_.Unreadable(Describe(place) + ": longer than 1 MiB"); }

  Printer& printer_;
  Writer& out_;
  Writer& err_;
  std::vector<char> pending_;  // the start of a line begun in an earlier read
  // Passing over a line longer than the limit: while only blanks have come,
  // and after its first other character.
  enum class Skipping { No, BlanksSoFar, Rest } skipping_ = Skipping::No;
  bool heldReturn_ = false;     // blanks so far and a CR, which may end the line
  std::size_t lineNumber_ = 0;  // lines complete so far
};

// The sweep FROM:TO:STEP describes, or nothing and why in `problem`.
std::optional<Sweep> ParseSweep(std::string_view text, std::string& problem) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos) {
    problem = "expected FROM:TO:STEP, got " + std::string(text);
    return std::nullopt;
  }
  Sweep sweep;
  sweep.from = ReadNumber(text.substr(0, first));
  sweep.to = ReadNumber(text.substr(first + 1, second - first - 1));
  sweep.step = ReadNumber(text.substr(second + 1));
  const double span = (sweep.to - sweep.from) / sweep.step;
  if (!std::isfinite(sweep.from) || !std::isfinite(sweep.to) || !std::isfinite(sweep.step)) {
    problem = "FROM, TO and STEP must be finite";
  } else if (sweep.step == 0) {
    problem = "STEP is zero";
  } else if (span < 0) {
    problem = "STEP leads away from TO";
  } else if (!(span < static_cast<double>(kMaxSweepRows))) {
    problem = "more than 1,000,000 rows";
  }
  if (!problem.empty()) return std::nullopt;
  sweep.steps = static_cast<std::size_t>(std::floor(span + 1e-6));
  sweep.toApart = std::fabs(sweep.from + static_cast<double>(sweep.steps) * sweep.step - sweep.to) >
                  1e-6 * std::fabs(sweep.step);
  if (sweep.rows() > kMaxSweepRows) {
    problem = "more than 1,000,000 rows";
    return std::nullopt;
  }
  return sweep;
}

std::string Operands(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " operand" : " operands");
}

// The arguments read into options; --help and --version answered on `out`.
struct Parsed {
  Options options;
  bool answered = false;
  std::string problem;  // why the arguments are misused; empty when they are not
};

Parsed Parse(std::span<const std::string_view> arguments, Writer& out) {
  Parsed parsed;
  Options& options = parsed.options;
  const auto misuse = [&](std::string_view option, std::string_view why) {
    parsed.problem = option.empty() ? std::string(why) : std::string(option) + ": ";
    if (!option.empty()) parsed.problem += why;
    return parsed;
  };
  bool operandsOnly = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (operandsOnly || argument.size() < 2 || argument[0] != '-' ||
        (argument[1] != '-' && argument != "-h")) {
      options.operands.push_back(argument);  // "-3" is a number
      continue;
    }
    if (argument == "--") {
      operandsOnly = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      out.Put(kUsageText);
      out.Put('\n');
      out.Put(kHelp);
      parsed.answered = true;
      return parsed;
    }
    if (argument == "--version") {
      out.Put("celforo-calc ");
      out.Put(kVersion);
      out.Put('\n');
      parsed.answered = true;
      return parsed;
    }
    if (argument == "--tsv") {
      options.tsv = true;
      continue;
    }
    if (argument == "--header") {
      options.header = true;
      continue;
    }
    // Options with a value, as "--name VALUE" or "--name=VALUE".
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    Mode mode{};
    if (name == "--extraction") {
      mode = Mode::Sweep;
    } else if (name == "--focal-length") {
      mode = Mode::SolveFocalLength;
    } else if (name == "--magnification") {
      mode = Mode::SolveMagnification;
    } else if (name == "--tsv" || name == "--header" || name == "--help" || name == "--version") {
      return misuse(name, "takes no value");
    } else {
      return misuse(name, "unknown option");
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < arguments.size()) {
      value = arguments[++i];
    } else {
      return misuse(name, "a value is missing");
    }
    if (value.starts_with("--")) return misuse(name, "expected a value, got " + std::string(value));
    if (options.mode != Mode::Single) {
      return misuse(name, "only one of --extraction, --focal-length and --magnification");
    }
    options.mode = mode;
    options.modeOption = name;
    if (mode == Mode::Sweep) {
      std::string problem;
      const std::optional<Sweep> sweep = ParseSweep(value, problem);
      if (!sweep) return misuse(name, problem);
      options.sweep = *sweep;
    } else {
      options.target = value;
    }
  }
  const std::size_t count = options.operands.size();
  if (options.mode == Mode::Single) {
    if (count == 0) {
      options.mode = Mode::Batch;
    } else if (count != 3) {
      return misuse({}, "expected OBJECTIVE EYEPIECE EXTRACTION, got " + Operands(count));
    }
  } else if (count != 2) {
    return misuse({}, "expected OBJECTIVE EYEPIECE with " + std::string(options.modeOption) +
                          ", got " + Operands(count));
  }
  return parsed;
}

}  // namespace

namespace {

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

  Printer printer(*options, output, errors);
  const auto operand = [&](std::size_t i) { return ReadNumber(options->operands[i]); };
  switch (options->mode) {
    case Mode::Single:
      printer.CalculateCaptioned(
          [&] {
            return Calculate({operand(0), operand(1), operand(2)}, false);
          },
          false);
      break;
    case Mode::Batch:
      if (options->header) printer.Header(false);
      if (const std::optional<StreamFailure> failure = Batch(printer, output, errors).Run(in)) {
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
              return Calculate({operand(0), operand(1), sweep.Extraction(row)}, true);
            },
            true, Place{"row", row + 1});
      }
      break;
    }
    case Mode::SolveFocalLength:
    case Mode::SolveMagnification: {
      const double target = ReadNumber(options->target);
      const bool forFocalLength = options->mode == Mode::SolveFocalLength;
      printer.CalculateCaptioned(
          [&] {
            const double extraction = forFocalLength
                                          ? ExtractionForFocalLength(operand(0), operand(1), target)
                                          : ExtractionForMagnification(operand(1), target);
            return Calculate({operand(0), operand(1), extraction}, true);
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
