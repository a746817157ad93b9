// Paints a display list with QPainter, in the picture's own units (Qt's
// logical pixels), in the colours of a palette.
#pragma once

#include <QFont>
#include <QPainter>

#include "ui/display_list.h"

namespace celforo::qt {

void PaintDisplayList(QPainter& painter, const DisplayList& list, const Palette& palette);

// The font a text of a display list is drawn in.
QFont FontOf(const TextShape& text);

}  // namespace celforo::qt
