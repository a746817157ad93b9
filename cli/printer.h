// How celforo-calc writes what was computed: caption lines, rows in columns,
// tab-separated or as JSON objects, and the reports of set-ups that have no
// row. It writes outcomes and never computes one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/columns.h"
#include "cli/options.h"
#include "cli/row.h"
#include "cli/writer.h"

namespace celforo::cli {

// Where a failure happened: "line 3", "row 2", or nowhere in particular.
struct Place {
  std::string_view word;
  std::size_t number = 0;
};

std::string Describe(Place place);

class Printer {
public:
  Printer(Layout layout, const Columns& columns, Writer& out, Writer& err)
      : layout_(layout), columns_(columns), out_(out), err_(err) {}

  // Whether a failure has been reported.
  bool failed() const { return failed_; }

  // The caption line of --header.
  void Header();

  // An outcome as a row; a failure is reported with its place and leaves a
  // row of empty fields (in JSON, of nulls).
  void PutRow(const Outcome& outcome, Place where);

  // One set-up's outcome as caption lines ("INGRANDIMENTI   1.666667"), or
  // with --tsv as a row after any caption line, or as one JSON object.
  void PutCaptioned(const Outcome& outcome);

private:
  void Report(const Failure& failure, Place where);
  void CaptionLine(std::string_view caption, std::string_view value);

  Layout layout_;
  const Columns& columns_;
  Writer& out_;
  Writer& err_;
  bool failed_ = false;
};

}  // namespace celforo::cli
