// What one set-up comes to: the shown texts of its row, or why it has none.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/run_time_error.h"
#include "cli/columns.h"

namespace celforo::cli {

// The texts of a row's fields, in the order of its Columns, each with its
// sign column (" 1.5", "-1.5"), kept one after another in one text so that a
// row reused for the next set-up allocates nothing. A field the same for
// every row of a run is not copied into each: the row views the run's one
// text, which outlives the row's printing.
class Row {
public:
  std::size_t count() const { return count_; }
  void Clear() {
    text_.clear();
    count_ = 0;
  }
  void Add(std::string_view field) {
    text_ += field;
    shared_[count_] = {};
    ends_[count_++] = text_.size();
  }
  void AddShared(std::string_view field) {
    shared_[count_] = field;
    ends_[count_++] = text_.size();
  }
  std::string_view Field(std::size_t i) const {
    if (shared_[i].data() != nullptr) return shared_[i];
    const std::size_t start = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(start, ends_[i] - start);
  }

private:
  std::string text_;
  std::array<std::size_t, kMostFields> ends_{};
  std::array<std::string_view, kMostFields> shared_{};
  std::size_t count_ = 0;
};

// A calculation that failed as the window's does, or a batch line that holds
// no set-up ("more than three fields").
struct Failure {
  std::variant<RunTimeErrorKind, std::string_view> why;
};

using Outcome = std::variant<Row, Failure>;

}  // namespace celforo::cli
