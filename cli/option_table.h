// celforo-calc's options as one table: how each is written, what it needs,
// how its value is read, and what --help says of it. The parser and the help
// both read this table, so that what --help lists is what the parser takes.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace celforo::cli {

// The arguments read so far (options.cpp).
struct Reading;

// Why an option's value is refused, or nothing.
using Problem = std::optional<std::string>;

// What an option is: a switch without a value, a value of the set-up, an
// option that chooses a sweep or a solve (one of those at most; all but
// --solve with a value), or a request answered at once (--help, --version).
// An option takes a value exactly where its row names one.
enum class Role { Switch, Value, SweepOrSolve, Answer };

// Where --help lists an option, in this order.
enum class HelpSection { Solving, Planning, Targets, Sky, Files, Output };

struct OptionRow {
  std::string_view name;   // "--aperture"
  std::string_view value;  // its value's name in --help, "D"; "" for no value
  Role role;
  HelpSection section;
  std::array<std::string_view, 2> needs;                      // the options it is of no use without
  Problem (*read)(std::string_view value, Reading& reading);  // null for an Answer
  std::string_view help;  // what it does, in sentences, wrapped when printed
};

// Every option, in the order --help lists them within their sections.
std::span<const OptionRow> OptionRows();

// "--a, --b and --c".
std::string NamesInProse(std::span<const std::string_view> names);

}  // namespace celforo::cli
