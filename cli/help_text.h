// What celforo-calc says of its own use: the usage lines, shown with every
// misuse, and the text of --help.
#pragma once

#include <string_view>

namespace celforo::cli {

inline constexpr std::string_view kUsageText =
    "usage: celforo-calc [--tsv [--header]] [--extraction FROM:TO:STEP | --focal-length F |\n"
    "                    --magnification M] [OBJECTIVE EYEPIECE [EXTRACTION]]\n";

inline constexpr std::string_view kHelpText =
    "Eyepiece projection: magnification, equivalent focal length and the distance\n"
    "from the eyepiece to the focal plane, as the CELFORO window computes them.\n"
    "\n"
    "With OBJECTIVE EYEPIECE EXTRACTION, computes that set-up. With no operand,\n"
    "reads set-ups from standard input, three fields a line separated by blanks\n"
    "or tabs, and answers each line as it comes; blank lines and lines starting\n"
    "with # are passed over, and a line longer than 1 MiB is reported. The\n"
    "options below take OBJECTIVE and EYEPIECE.\n"
    "\n"
    "  --extraction FROM:TO:STEP  one row per extraction, FROM and TO included,\n"
    "                             1,000,000 rows at most\n"
    "  --focal-length F           the extraction giving equivalent focal length F\n"
    "  --magnification M          the extraction giving magnification M\n"
    "  --tsv                      tab-separated values, no captions\n"
    "  --header                   with --tsv (or rows), a first line of captions\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 computed, 1 a calculation failed, 2 misuse, 3 the input could\n"
    "not be read or the output not written.\n";

}  // namespace celforo::cli
