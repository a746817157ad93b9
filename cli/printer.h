// How celforo-calc lays out what it computed: caption lines, rows in columns
// or tab-separated, and the reports of calculations that failed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/run_time_error.h"
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
  Printer(const Options& options, Writer& out, Writer& err)
      : options_(options),
        out_(out),
        err_(err),
        planningColumns_(options.planning.Captions().size()) {}

  bool failed() const { return failed_; }

  // A batch line that holds no set-up: reported, and a row of empty fields.
  void Unreadable(std::string_view why);

  // The caption line of --header.
  void Header(bool withExtraction);

  // One calculation as a row, or a row of empty fields after reporting why.
  // `compute` gives the row's texts or throws RunTimeError.
  template <typename Compute>
  void CalculateRow(Compute compute, bool withExtraction, Place where) {
    PutRow(Attempt(compute, where), withExtraction);
  }

  // A row of texts, or of empty fields when there is none.
  void PutRow(const std::optional<Row>& row, bool withExtraction);

  // One calculation as caption lines ("INGRANDIMENTI   1.666667"), or with
  // --tsv as a row.
  template <typename Compute>
  void CalculateCaptioned(Compute compute, bool withExtraction) {
    if (options_.tsv) {
      if (options_.header) Header(withExtraction);
      CalculateRow(compute, withExtraction, {});
      return;
    }
    PutCaptioned(Attempt(compute, {}), withExtraction);
  }

private:
  // The texts of a row's fields, in their order: at most the extraction,
  // three results and four planning columns.
  using FieldTexts = std::array<std::string_view, 8>;
  static std::size_t Fields(const Row& row, bool withExtraction, FieldTexts& fields);

  void PutCaptioned(const std::optional<Row>& row, bool withExtraction);
  void CaptionLine(std::string_view caption, std::string_view value);

  template <typename Compute>
  std::optional<Row> Attempt(Compute compute, Place where) {
    try {
      return compute();
    } catch (const RunTimeError& error) {
      Report(error, where);
      return std::nullopt;
    }
  }

  void Report(const RunTimeError& error, Place where);

  const Options& options_;
  Writer& out_;
  Writer& err_;
  std::size_t planningColumns_;
  bool failed_ = false;
};

}  // namespace celforo::cli
