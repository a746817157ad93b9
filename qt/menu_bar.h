// The window's menu bar, built from kMenus and kMenuItems.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <array>
#include <functional>

#include "ui/window_menu.h"

namespace celforo::qt {

// Fills `bar` with the menus and their items, in the table's order, and
// hands each chosen item's command to `deliver`. The shortcut keys work
// wherever the focus is in `window`. Returns the items' actions, in the
// table's order.
std::array<QAction*, kMenuItems.size()> BuildMenuBar(QMenuBar* bar, QWidget* window,
                                                     std::function<void(MenuCommand)> deliver);

}  // namespace celforo::qt
