// celforo-calc run in-process on memory streams: line handling whatever the
// pieces the input comes in, and what a failing stream does to the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"

namespace celforo::cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunOn(std::initializer_list<std::string_view> arguments, Input& in,
              std::size_t outCapacity = std::string::npos) {
  MemoryOutput out(outCapacity);
  MemoryOutput err;
  MemoryFiles files;
  const int status = RunCelforoCalc(arguments, in, out, err, files);
  return {status, out.text(), err.text()};
}

// A batch with blank, comment, failing, CRLF and overlong lines, long enough
// to span several read blocks, and without a final newline.
std::string MixedBatch() {
  const std::string overlong(kLineLimit + 5, ' ');
  std::string batch = "\xEF\xBB\xBF" + overlong + "\r\n" + overlong + "#\n" + overlong + "7\r\n";
  for (int i = 0; i < 12'000; ++i) {
    batch += std::to_string(400 + i % 3600) + " 5 " + std::to_string(1 + i % 7) + "\n";
    if (i % 1000 == 0) batch += "\n# note\r\n2500 5 0\r\n  \t\n";
  }
  return batch + "2500 5 3";
}

TEST(CelforoCalcStreams, RowsDoNotDependOnHowTheInputIsCut) {
  const std::string batch = MixedBatch();
  MemoryInput whole(batch, batch.size());
  const Outcome reference = RunOn({"--tsv"}, whole);
  ASSERT_EQ(reference.status, 1);
  ASSERT_EQ(std::count(reference.out.begin(), reference.out.end(), '\n'), 1 + 12'000 + 12 + 1);
  ASSERT_EQ(reference.err.find("celforo-calc: line 3: longer than 1 MiB\n"), 0u) << reference.err;
  for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{4096},
                                  kReadBlock - 1, kReadBlock, kReadBlock + 1}) {
    SCOPED_TRACE(piece);
    MemoryInput input(batch, piece);
    const Outcome run = RunOn({"--tsv"}, input);
    EXPECT_EQ(run.status, reference.status);
    EXPECT_EQ(run.out, reference.out);
    EXPECT_EQ(run.err, reference.err);
  }
}

TEST(CelforoCalcStreams, AFailedWriteStopsTheReading) {
  std::string batch;
  for (int i = 0; i < 500'000; ++i) batch += "2500 5 3\n";
  // Output that takes nothing, a first block only, or all but the last bytes.
  for (const std::size_t capacity : {std::size_t{0}, std::size_t{100}, std::size_t{500'000}}) {
    SCOPED_TRACE(capacity);
    MemoryInput input(batch, kReadBlock);
    const Outcome run = RunOn({"--tsv"}, input, capacity);
    EXPECT_EQ(run.status, kStreamFailed);
    EXPECT_EQ(run.out.size(), capacity);
    EXPECT_EQ(run.err, "celforo-calc: write error: No space left on device\n");
    // The block whose rows did not fit is the last one read.
    EXPECT_LE(input.handedOut(), capacity / 30 * 9 + kReadBlock) << input.reads() << " reads";
  }
}

TEST(CelforoCalcStreams, OutputIsWrittenAsItGrows) {
  // Rows that all fail are nothing but tabs and newlines: they too are
  // written out in pieces rather than gathered whole.
  MemoryInput none("");
  MemoryOutput out;
  MemoryOutput err;
  const std::string_view arguments[] = {"--tsv", "--extraction", "1:99999:1", "0", "0"};
  MemoryFiles files;
  EXPECT_EQ(RunCelforoCalc(arguments, none, out, err, files), kCalculationFailed);
  EXPECT_EQ(out.text().size(), 99'999u * 4);
  EXPECT_GE(out.writes(), out.text().size() / 65'536);
}

TEST(CelforoCalcStreams, AFailedReadKeepsTheRowsBeforeIt) {
  MemoryInput input("2500 5 3\n2000 10 5\n2500 2", 5, "Input/output error");
  const Outcome run = RunOn({"--tsv"}, input);
  EXPECT_EQ(run.status, kStreamFailed);
  EXPECT_EQ(run.out, "1.666667\t4166.666667\t13.333333\n2\t4000\t30\n");
  EXPECT_EQ(run.err, "celforo-calc: read error: Input/output error\n");
}

}  // namespace
}  // namespace celforo::cli
