#include "cli/printer.h"

#include <vector>

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

void Printer::Unreadable(std::string_view why) {
  failed_ = true;
  err_.Put("celforo-calc: ");
  err_.Put(why);
  err_.Put('\n');
  err_.Flush();
  PutRow(std::nullopt, false);
}

void Printer::Header(bool withExtraction) {
  const std::vector<std::string_view> captions = RowCaptions(withExtraction, options_.planning);
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

std::size_t Printer::Fields(const Row& row, bool withExtraction, FieldTexts& fields) {
  std::size_t count = 0;
  if (withExtraction) fields[count++] = *row.extraction;
  for (const std::string& result : row.results) fields[count++] = result;
  for (const std::string& text : row.planning) fields[count++] = text;
  return count;
}

void Printer::PutRow(const std::optional<Row>& row, bool withExtraction) {
  const std::size_t count = (withExtraction ? 4 : 3) + planningColumns_;
  FieldTexts fields;
  if (row) Fields(*row, withExtraction, fields);
  for (std::size_t i = 0; i < count; ++i) {
    if (options_.tsv && i > 0) out_.Put('\t');
    if (!row) continue;
    if (options_.tsv) {
      out_.Put(Unsigned(fields[i]));
    } else {
      PutPadded(out_, Unsigned(fields[i]), i + 1 < count ? kCaptionWidth : 0);
    }
  }
  out_.Put('\n');
}

void Printer::PutCaptioned(const std::optional<Row>& row, bool withExtraction) {
  const std::vector<std::string_view> captions = RowCaptions(withExtraction, options_.planning);
  FieldTexts fields;
  if (row) Fields(*row, withExtraction, fields);
  for (std::size_t i = 0; i < captions.size(); ++i) CaptionLine(captions[i], fields[i]);
}

void Printer::CaptionLine(std::string_view caption, std::string_view value) {
  PutPadded(out_, caption, value.empty() ? 0 : kCaptionWidth - 1);
  out_.Put(value);
  out_.Put('\n');
}

void Printer::Report(const RunTimeError& error, Place where) {
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

}  // namespace celforo::cli
