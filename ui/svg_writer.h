// A display list written as SVG: inline in the page, in the colours of the
// page's mode, or as a file of its own, the same bytes wherever it is written.
//
// A shape with a mark carries it as its class. A rectangle is a <rect>; a
// circle a <circle>, an ellipse an <ellipse> (turned by a transform), half an
// ellipse a <path> of one arc; a line a <polyline> (dashed by its
// stroke-dasharray); a closed outline a <polygon>. Numbers are written to the
// hundredth of a unit (of a degree for turns). Texts that are not UTF-8, or
// hold characters XML cannot, are mended: a byte that begins no character is
// written U+FFFD, a control character but the tab and line ends is left out.
#pragma once

#include <string>

#include "ui/display_list.h"

namespace celforo {

// An <svg> of the list's size for a web page, in the colours of `palette`:
// sharp at any pixel ratio, and hidden from screen readers, the element
// holding it naming the picture.
std::string SvgMarkup(const DisplayList& list, const Palette& palette);

// A standalone SVG document in the day's colours: the XML declaration, then
// the <svg> with its namespace, the list's name as its <title> and its
// description as its <desc>, and a line end:
//   <?xml version="1.0" encoding="UTF-8"?>
//   <svg xmlns="http://www.w3.org/2000/svg" width="321" height="190" ...>
//   <title>CAMPO DEL SENSORE</title><desc>Il campo ...</desc>...</svg>
std::string SvgDocument(const DisplayList& list);

}  // namespace celforo
