// What celforo-calc says of its own use: the usage lines, shown with every
// misuse, and the text of --help.
#pragma once

#include <string_view>

namespace celforo::cli {

inline constexpr std::string_view kUsageText =
    "usage: celforo-calc [--tsv [--header]] [--aperture D] [--pixel-size P]\n"
    "           [--pixels WxH] [--extraction FROM:TO:STEP | --focal-length F |\n"
    "           --magnification M | --focal-ratio N | --image-scale S]\n"
    "           [OBJECTIVE EYEPIECE [EXTRACTION]]\n";

inline constexpr std::string_view kHelpText =
    "Eyepiece projection: magnification, equivalent focal length and the distance\n"
    "from the eyepiece to the focal plane, as the CELFORO window computes them, and\n"
    "for planning an imaging set-up the focal ratio, the image scale and the field.\n"
    "\n"
    "With OBJECTIVE EYEPIECE EXTRACTION, computes that set-up. With no operand,\n"
    "reads set-ups from standard input, three fields a line separated by blanks\n"
    "or tabs, and answers each line as it comes; blank lines and lines starting\n"
    "with # are passed over, and a line longer than 1 MiB is reported. All lengths\n"
    "are in one unit of your choice, millimetres when a pixel size is given.\n"
    "\n"
    "A sweep or a solve takes OBJECTIVE and EYEPIECE only. The planning columns\n"
    "follow the three results in every mode.\n"
    "\n"
    "Sweeping and solving:\n"
    "  --extraction FROM:TO:STEP  one row per extraction, FROM and TO included,\n"
    "                             1,000,000 rows at most\n"
    "  --focal-length F           the extraction giving equivalent focal length F\n"
    "  --magnification M          the extraction giving magnification M\n"
    "  --focal-ratio N            the extraction giving focal ratio N (needs\n"
    "                             --aperture): --aperture 250 --focal-ratio 20\n"
    "                             2500 5 gives the extraction 2.5\n"
    "  --image-scale S            the extraction giving S arcseconds per pixel\n"
    "                             (needs --pixel-size): --pixel-size 3.75\n"
    "                             --image-scale .15 2500 5 gives 2.42406840554768\n"
    "\n"
    "Planning columns:\n"
    "  --aperture D               the objective's aperture D, in the unit of the\n"
    "                             other lengths; adds RAPPORTO FOCALE, the\n"
    "                             equivalent focal length over D: --aperture 250\n"
    "                             2500 5 2.5 gives 20\n"
    "  --pixel-size P             the camera's pixel size P in micrometres, the\n"
    "                             lengths in millimetres; adds SCALA (ARCSEC/PIXEL),\n"
    "                             206.264806 * P over the equivalent focal length:\n"
    "                             --pixel-size 3.75 2500 5 2.5 gives .154699\n"
    "  --pixels WxH               the sensor's width and height in pixels, 1 to\n"
    "                             1,000,000 each (needs --pixel-size); adds CAMPO\n"
    "                             ORIZZ. (ARCMIN) and CAMPO VERT. (ARCMIN), the\n"
    "                             angles the sensor spans, in arcminutes:\n"
    "                             --pixel-size 3.75 --pixels 1280x960 2500 5 2.5\n"
    "                             gives 3.300237 and 2.475178.\n"
    "                             These are the exact angles, 2 * atan(W * P /\n"
    "                             (2000 * focal length)), not the small-angle\n"
    "                             W * scale / 60, which overstates wide fields.\n"
    "\n"
    "Output:\n"
    "  --tsv                      tab-separated values, no captions\n"
    "  --header                   with --tsv (or rows), a first line of captions\n"
    "  --help, --version\n"
    "\n"
    "Exit status:\n"
    "  0 computed, 1 a calculation failed, 2 misuse, 3 the input could not be read\n"
    "  or the output not written.\n"
    "\n"
    "Examples:\n"
    "  celforo-calc 2500 5 3\n"
    "  printf '2500 5 3\\n2000 10 5\\n' | celforo-calc --tsv\n"
    "  celforo-calc --tsv --header --extraction 2:4:1 2500 5\n"
    "  celforo-calc --aperture 250 --pixel-size 3.75 --focal-ratio 20 2500 5\n"
    "  celforo-calc --pixel-size 3.75 --pixels 1280x960 --image-scale .15 2500 5\n";

}  // namespace celforo::cli
