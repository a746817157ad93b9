// The program's icon, for the window's frame and its about box.
#pragma once

#include <QIcon>

class QWidget;

namespace celforo::qt {

// Gives `window` the program's icon. Its images, 48 and 256 pixels square,
// are read from the program's resources only when first drawn, and the
// window's frame is offered them once the window has been painted: reading
// and scaling them does not delay the window's first appearance.
void GiveProgramIcon(QWidget* window);

// The same icon, its images read when first drawn, for the about box.
QIcon ProgramIcon();

}  // namespace celforo::qt
