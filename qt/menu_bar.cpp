#include "qt/menu_bar.h"

#include <QMenu>

#include "qt/qt_text.h"

namespace celforo::qt {
namespace {

QKeySequence KeyOf(ShortcutKey key) {
  switch (key) {
    case ShortcutKey::None: return {};
    case ShortcutKey::F2: return QKeySequence(Qt::Key_F2);
    case ShortcutKey::F3: return QKeySequence(Qt::Key_F3);
  }
  return {};
}

}  // namespace

std::array<QAction*, kMenuItems.size()> BuildMenuBar(QMenuBar* bar, QWidget* window,
                                                     std::function<void(MenuCommand)> deliver) {
  std::array<QMenu*, kMenus.size()> menus{};
  for (std::size_t i = 0; i < kMenus.size(); ++i) menus[i] = bar->addMenu(ToQString(kMenus[i]));
  std::array<QAction*, kMenuItems.size()> actions{};
  for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
    const MenuItemRecord& item = kMenuItems[i];
    QAction* action = menus[item.menu]->addAction(ToQString(item.caption));
    action->setCheckable(item.checkable);
    action->setShortcut(KeyOf(item.key));
    QObject::connect(action, &QAction::triggered, window,
                     [command = item.command, deliver](bool) { deliver(command); });
    window->addAction(action);
    actions[i] = action;
  }
  return actions;
}

}  // namespace celforo::qt
