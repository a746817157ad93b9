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
// sign column (" 1.5", "-1.5").
struct Row {
  std::array<std::string, kMostFields> fields;
  std::size_t count = 0;
};

// A calculation that failed as the window's does, or a batch line that holds
// no set-up ("more than three fields").
struct Failure {
  std::variant<RunTimeErrorKind, std::string_view> why;
};

using Outcome = std::variant<Row, Failure>;

}  // namespace celforo::cli
