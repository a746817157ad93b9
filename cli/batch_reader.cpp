#include "cli/batch_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/numeric_text.h"
#include "calc/projection.h"

namespace celforo::cli {
namespace {

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
class BatchReader {
  static_assert(kReadBlock < kLineLimit, "a line too long to hold spans more than one read");

public:
  BatchReader(const Calculator& calculator, Printer& printer, Writer& out, Writer& err)
      : calculator_(calculator), printer_(printer), out_(out), err_(err) {}

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
      printer_.PutRow(Failure{"more than three fields"}, place);
      return;
    }
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < fields.count; ++i) values[i] = ReadNumber(fields.field[i]);
    calculator_.Calculate({values[0], values[1], values[2]}, outcome_);
    printer_.PutRow(outcome_, place);
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

  void ReportOverlong(Place place) { printer_.PutRow(Failure{"longer than 1 MiB"}, place); }

  const Calculator& calculator_;
  Outcome outcome_;  // each line's, its row reused
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

}  // namespace

std::optional<StreamFailure> AnswerBatch(Input& in, const Calculator& calculator, Printer& printer,
                                         Writer& out, Writer& err) {
  return BatchReader(calculator, printer, out, err).Run(in);
}

}  // namespace celforo::cli
