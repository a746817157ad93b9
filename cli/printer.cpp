#include "cli/printer.h"

#include <variant>

#include "calc/run_time_error.h"
#include "cli/field_text.h"

namespace celforo::cli {
namespace {

constexpr std::size_t kCaptionWidth = 30;  // the longest caption and a space

// Writes a field without its sign column: " 1.5" as "1.5", "-1.5" as is.
std::string_view Unsigned(std::string_view text) {
  return !text.empty() && text[0] == ' ' ? text.substr(1) : text;
}

void PutPadded(Writer& out, std::string_view text, std::size_t width) {
  out.Put(text);
  for (std::size_t i = text.size(); i < width; ++i) out.Put(' ');
}

}  // namespace

std::string Describe(Place place) {
  return place.word.empty() ? std::string()
                            : std::string(place.word) + ' ' + std::to_string(place.number);
}

void Printer::Header() {
  if (layout_.json) return;  // the keys name every value
  const std::size_t count = columns_.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (layout_.tsv) {
      if (i > 0) out_.Put('\t');
      out_.Put(columns_[i].caption);
    } else {
      PutPadded(out_, columns_[i].caption, i + 1 < count ? kCaptionWidth : 0);
    }
  }
  out_.Put('\n');
}

void Printer::PutRow(const Outcome& outcome, Place where) {
  const Row* const row = std::get_if<Row>(&outcome);
  if (const Failure* failure = std::get_if<Failure>(&outcome)) Report(*failure, where);
  const std::size_t count = columns_.size();
  if (layout_.json) {
    // {"magnification":1.6666666666666667,...}, every value null without a row.
    for (std::size_t i = 0; i < count; ++i) {
      out_.Put(i == 0 ? "{\"" : ",\"");
      out_.Put(columns_[i].key);
      out_.Put("\":");
      out_.Put(row ? row->Field(i) : kJsonNull);
    }
    out_.Put("}\n");
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (layout_.tsv && i > 0) out_.Put('\t');
    if (!row) continue;
    if (layout_.tsv) {
      out_.Put(Unsigned(row->Field(i)));
    } else {
      PutPadded(out_, Unsigned(row->Field(i)), i + 1 < count ? kCaptionWidth : 0);
    }
  }
  out_.Put('\n');
}

void Printer::PutCaptioned(const Outcome& outcome) {
  if (layout_.json) {
    PutRow(outcome, {});
    return;
  }
  if (layout_.tsv) {
    if (layout_.header) Header();
    PutRow(outcome, {});
    return;
  }
  const Row* const row = std::get_if<Row>(&outcome);
  if (const Failure* failure = std::get_if<Failure>(&outcome)) Report(*failure, {});
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    CaptionLine(columns_[i].caption, row ? row->Field(i) : std::string_view());
  }
}

void Printer::CaptionLine(std::string_view caption, std::string_view value) {
  PutPadded(out_, caption, value.empty() ? 0 : kCaptionWidth - 1);
  out_.Put(value);
  out_.Put('\n');
}

void Printer::Report(const Failure& failure, Place where) {
  failed_ = true;
  err_.Put("celforo-calc: ");
  if (!where.word.empty()) {
    err_.Put(Describe(where));
    err_.Put(": ");
  }
  if (const RunTimeErrorKind* kind = std::get_if<RunTimeErrorKind>(&failure.why)) {
    // The window's report on one line: "Errore di run-time '11': Divisione per zero".
    err_.Put(RunTimeError(*kind).line());
  } else {
    err_.Put(std::get<std::string_view>(failure.why));
  }
  err_.Put('\n');
  err_.Flush();
}

}  // namespace celforo::cli
