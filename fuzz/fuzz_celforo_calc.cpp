#include "fuzz/fuzz_celforo_calc.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"
#include "cli/help_text.h"
#include "fuzz/allocation_meter.h"

namespace celforo::fuzz {
namespace {

using cli::kLineLimit;
using cli::kReadBlock;

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();
// The sizes the input is handed out in, around the read block and the line limit.
constexpr std::array<std::size_t, 16> kPieces{1,
                                              2,
                                              3,
                                              5,
                                              8,
                                              13,
                                              64,
                                              4093,
                                              kReadBlock - 1,
                                              kReadBlock,
                                              kReadBlock + 1,
                                              2 * kReadBlock + 7,
                                              kLineLimit - 1,
                                              kLineLimit,
                                              kLineLimit + 1,
                                              kUnlimited};
// What the standard output takes before it fails as a full disk.
constexpr std::array<std::size_t, 4> kOutputRoom{kUnlimited, 0, 100, 70'000};
constexpr std::size_t kErrorRoom = 150;
// Arguments of the fuzzer's choosing can ask for a million rows: their output
// and error output fail past these, which ends the run early.
constexpr std::size_t kFreeArgumentsOutputRoom = 4 * kReadBlock;
constexpr std::size_t kFreeArgumentsErrorRoom = kReadBlock;
constexpr std::size_t kExpandedLimit = kLineLimit + 4 * kReadBlock;  // room for one line too long
// Large inputs come in larger pieces, so that a run stays short.
constexpr std::size_t kMostReads = 16'384;
// The held line, the read block and the two output buffers, with room to spare.
constexpr std::size_t kHeapLimit = kLineLimit + 8 * kReadBlock;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The set-up file the arguments may name as trip.json: every key a file has.
constexpr std::string_view kTripSetup =
    R"({"version": 1, "objective_focal_length": 2500, "eyepiece_focal_length": 5,
        "eyepiece_extraction": 2.5, "aperture": 250, "pixel_size": 3.75,
        "sensor": {"width": 1280, "height": 960}, "wavelength": 550, "target": "jupiter",
        "solve": {"aim": "sampling", "value": 2},
        "site": {"latitude": 45.07, "longitude": 7.69, "height": 240}, "field_stop": 5.5,
        "band": {"from": 400, "to": 700}, "min_altitude": 30, "grs_longitude": 62})";

[[noreturn]] void Broken(const char* what, std::size_t number = 0) {
  std::fprintf(stderr, "invariant broken: %s (%zu)\n", what, number);
  std::abort();
}

// The input with its runs expanded: a byte 1 and a count n stand for more of
// the byte before them, n * 16 of it for n below 128 and (n - 127) * 16 KiB
// from 128 on, so blocks and lines past the 1 MiB limit fit in a short fuzz
// input while most inputs stay short.
std::string Expand(std::string_view text) {
  std::string expanded;
  for (std::size_t i = 0; i < text.size() && expanded.size() < kExpandedLimit; ++i) {
    if (text[i] != '\x01' || i + 1 == text.size()) {
      expanded += text[i];
      continue;
    }
    const char repeated = expanded.empty() ? '7' : expanded.back();
    const std::size_t n = static_cast<unsigned char>(text[++i]);
    const std::size_t count = n < 128 ? n * 16 : (n - 127) * 16'384;
    expanded.append(std::min(count, kExpandedLimit - expanded.size()), repeated);
  }
  return expanded;
}

// The lines of a batch that hold a set-up, each of which must have its row:
// not blank (spaces and tabs, and a CR before the newline) and not a comment.
std::size_t SetUps(std::string_view text) {
  std::size_t count = 0;
  for (bool first = true; !text.empty(); first = false) {
    const std::size_t newline = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(std::min(newline + 1, text.size()));
    if (first && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t start = line.find_first_not_of(" \t");
    if (start != std::string_view::npos && line[start] != '#') ++count;
  }
  return count;
}

// An output that keeps only what the checks need: lines, rows without a
// field, lines whose tabs are not as wanted, and the first and last line in
// part. After `room` bytes it fails as a full disk.
class Sink final : public cli::Output {
public:
  Sink(std::size_t room, const cli::MemoryInput& input, std::optional<std::size_t> tabs)
      : room_(room), input_(input), tabs_(tabs) {
    first_.reserve(kKept);
    last_.reserve(kKept);
    line_.reserve(kKept);
  }

  std::optional<cli::StreamFailure> Write(std::string_view bytes) override {
    if (failed_) ++writesAfterFailure_;
    const std::size_t taken = std::min(bytes.size(), room_ - size_);
    for (const char c : bytes.substr(0, taken)) Take(c);
    size_ += taken;
    if (taken == bytes.size()) return std::nullopt;
    if (!failed_) readsAtFailure_ = input_.reads();
    failed_ = true;
    return "No space left on device";
  }

  std::size_t size() const { return size_; }
  std::size_t lines() const { return lines_; }
  std::size_t emptyRows() const { return emptyRows_; }
  std::size_t tabMismatches() const { return tabMismatches_; }
  bool failed() const { return failed_; }
  std::size_t readsAtFailure() const { return readsAtFailure_; }
  std::size_t writesAfterFailure() const { return writesAfterFailure_; }
  std::string_view first() const { return first_; }
  std::string_view last() const { return last_; }

private:
  static constexpr std::size_t kKept = 200;

  void Take(char c) {
    if (c != '\n') {
      ++length_;
      if (c == '\t') ++tabsInLine_;
      if (line_.size() < kKept) line_ += c;
      return;
    }
    if (lines_++ == 0) first_ = line_;
    last_ = line_;
    if (tabsInLine_ == length_) ++emptyRows_;
    if (tabs_ && tabsInLine_ != *tabs_) ++tabMismatches_;
    line_.clear();
    length_ = tabsInLine_ = 0;
  }

  std::size_t room_;
  const cli::MemoryInput& input_;
  std::optional<std::size_t> tabs_;
  std::size_t size_ = 0;
  std::size_t lines_ = 0;
  std::size_t emptyRows_ = 0;
  std::size_t tabMismatches_ = 0;
  std::size_t length_ = 0;
  std::size_t tabsInLine_ = 0;
  std::string line_;
  std::string first_;
  std::string last_;
  bool failed_ = false;
  std::size_t readsAtFailure_ = 0;
  std::size_t writesAfterFailure_ = 0;
};

}  // namespace

// The batch's target of bits 5-7 of the batch options: one of the first
// eight bodies, at a fixed instant.
struct BatchTarget {
  std::string_view name;
  bool rings;        // ANELLI (ARCSEC)
  bool turning;      // RIPRESA MAX (S), with a pixel size
  std::size_t disc;  // the phase, the pole, the meridians, the Red Spot and the moons
};
constexpr std::array<BatchTarget, 8> kBatchTargets{{{"sun", false, false, 0},
                                                    {"MOON", false, false, 3},
                                                    {"mercurio", false, false, 3},
                                                    {"venus", false, false, 3},
                                                    {"Marte", false, true, 5},
                                                    {"jupiter", false, true, 15},
                                                    {"saturno", true, true, 4},
                                                    {"uranus", false, false, 3}}};

// The bytes: a control byte (bits 0-3 the piece size, 4-5 the room of the
// standard output, 6 a read failure at the end of the input, 7 a small
// room for the error output), a byte of batch options (bit 0 --tsv, bit 1
// --header, bit 2 the camera: aperture, pixel size and sensor, bit 3 a
// target, bit 4 with the camera a wavelength, bits 5-7 which target), then
// either ARGUMENTS NUL INPUT, the arguments one a line, or the INPUT of a
// batch run with those options. The files the arguments name are in memory:
// trip.json, a set-up of every key, and whatever --picture writes.
void CheckCelforoCalc(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  const unsigned control = data[0];
  const unsigned batchOptions = data[1];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  const bool readFails = (control & 0x40) != 0;
  std::size_t outputRoom = kOutputRoom[(control >> 4) & 3];
  std::size_t errorRoom = (control & 0x80) != 0 ? kErrorRoom : kUnlimited;

  std::vector<std::string_view> arguments;
  const std::size_t nul = rest.find('\0');
  const bool batch = nul == std::string_view::npos;
  const bool tsv = batch && (batchOptions & 1) != 0;
  const bool header = batch && (batchOptions & 2) != 0;
  const bool planning = batch && (batchOptions & 4) != 0;
  const bool target = batch && (batchOptions & 8) != 0;
  const BatchTarget& batchTarget = kBatchTargets[batchOptions >> 5];
  // The three results; the focal ratio, image scale, two fields and sampling;
  // the diameter, and the rings, disc pixels, capture time and the disc's
  // columns where they apply.
  std::size_t fields = 3;
  std::string_view inputText = rest;
  if (batch) {
    if (tsv) arguments.push_back("--tsv");
    if (header) arguments.push_back("--header");
    if (planning) {
      for (const std::string_view argument :
           {"--aperture", "250", "--pixel-size", "3.75", "--pixels", "1280x960"}) {
        arguments.push_back(argument);
      }
      if ((batchOptions & 16) != 0) {
        arguments.push_back("--wavelength");
        arguments.push_back("656");
      }
      fields += 5;
    }
    if (target) {
      for (const std::string_view argument :
           {std::string_view("--target"), batchTarget.name, std::string_view("--date"),
            std::string_view("2026-12-07T21:30+01:00")}) {
        arguments.push_back(argument);
      }
      fields += 1 + (batchTarget.rings ? 1 : 0) +
                (planning ? 1 + (batchTarget.turning ? 1 : 0) : 0) + batchTarget.disc;
    }
  } else {
    for (std::string_view list = rest.substr(0, nul); !list.empty();) {
      const std::size_t newline = std::min(list.find('\n'), list.size());
      arguments.push_back(list.substr(0, newline));
      list.remove_prefix(std::min(newline + 1, list.size()));
    }
    inputText = rest.substr(nul + 1);
    outputRoom = std::min(outputRoom, kFreeArgumentsOutputRoom);
    errorRoom = std::min(errorRoom, kFreeArgumentsErrorRoom);
  }
  const std::string input = Expand(inputText);

  cli::MemoryInput in(
      input, std::max(kPieces[control & 15], input.size() / kMostReads),
      readFails ? std::optional<cli::StreamFailure>("Input/output error") : std::nullopt);
  Sink out(outputRoom, in, tsv ? std::optional<std::size_t>(fields - 1) : std::nullopt);
  Sink err(errorRoom, in, std::nullopt);
  cli::MemoryFiles files({{"trip.json", std::string(kTripSetup)}});
  StartAllocationMeter();
  const int status = cli::RunCelforoCalc(arguments, in, out, err, files);
  const std::size_t heap = StopAllocationMeter();

  if (status < 0 || status > 3) Broken("exit status", static_cast<std::size_t>(status));
  if (heap > kHeapLimit) Broken("heap held at the peak", heap);
  // A picture is written whole, once at most, by a run that computed its
  // set-up; trip.json may be the name it is written to.
  if (files.replaced() > 1) Broken("pictures written", files.replaced());
  if (files.replaced() == 1 && status != cli::kSuccess && status != cli::kStreamFailed)
    Broken("a picture written by a run that failed", static_cast<std::size_t>(status));
  for (const auto& [name, bytes] : files.files()) {
    if (bytes == kTripSetup) continue;
    if (!bytes.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ") ||
        !bytes.ends_with("</svg>\n"))
      Broken("a picture not whole", bytes.size());
  }
  // After a failed write nothing more is written, but the one report of it.
  if (out.writesAfterFailure() > 0 || err.writesAfterFailure() > 1) Broken("wrote on");
  if (out.failed() || err.failed()) {
    if (status != cli::kStreamFailed) Broken("a failed write not told by the status");
    const std::size_t reads = std::min(out.failed() ? out.readsAtFailure() : kUnlimited,
                                       err.failed() ? err.readsAtFailure() : kUnlimited);
    if (in.reads() != reads) Broken("read on after a failed write", in.reads() - reads);
    return;
  }
  if (status == cli::kStreamFailed && !readFails &&
      !err.first().starts_with("celforo-calc: --setup: cannot read "))
    Broken("status 3 without a failure");
  if (status == cli::kUsage) {
    if (out.size() != 0) Broken("misuse with output");
    // The reason, the usage lines and where to find help.
    const auto usageLines = static_cast<std::size_t>(
        std::count(cli::UsageText().begin(), cli::UsageText().end(), '\n'));
    if (!err.first().starts_with("celforo-calc: ") || err.lines() != usageLines + 2)
      Broken("misuse report");
    return;
  }
  if (!batch) return;
  if (readFails) {
    if (status != cli::kStreamFailed ||
        err.last() != "celforo-calc: read error: Input/output error")
      Broken("read failure");
    return;
  }
  // One row for each set-up, in step with one report for each row that failed.
  const std::size_t rows = SetUps(input) + (header ? 1 : 0);
  if (out.lines() != rows) Broken("rows out of step with the set-ups", out.lines());
  if (out.tabMismatches() != 0) Broken("rows without all their fields", out.tabMismatches());
  if (err.lines() != out.emptyRows()) Broken("reports out of step with empty rows", err.lines());
  if (status != (err.lines() == 0 ? cli::kSuccess : cli::kCalculationFailed))
    Broken("status against the reports", static_cast<std::size_t>(status));
}

}  // namespace celforo::fuzz
