// What celforo-calc says of its own use: the usage lines, shown with every
// misuse, and the text of --help, both made from the option table.
#pragma once

#include <string_view>

namespace celforo::cli {

// "usage: celforo-calc [--extraction FROM:TO:STEP | ...] ...", wrapped at 80
// columns, each line ending in a newline.
std::string_view UsageText();

// The text --help prints after the usage lines: what the program does, each
// option under its section, the exit statuses and examples.
std::string_view HelpText();

}  // namespace celforo::cli
