// The fonts of the window's elements: "MS Sans Serif", bold, or where it is
// not installed the first of its substitutes that is, found once.
#pragma once

#include <QFont>
#include <QString>

namespace celforo::qt {

// The family the elements are drawn in on this system.
QString ElementFontFamily();

// An element's font: the family, bold, `points` high.
QFont ElementFont(double points);

// A box's font: as ElementFont, and the text is shaped only where its script
// needs it. A box can hold 65,535 characters of any script, all laid out
// again on each keystroke; shaping them all is what would make typing slow.
QFont BoxFont(double points);

}  // namespace celforo::qt
