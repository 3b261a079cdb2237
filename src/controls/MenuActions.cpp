#include "controls/MenuActions.h"

#include <QAction>
#include <QMenu>

namespace velmora {

namespace {

    QAction* actionFor(QWidget& menu, const MenuEntry& entry, const MenuChoice& chosen)
    {
        if (!entry.submenu.empty()) {
            auto* submenu = new QMenu(entry.caption, &menu);
            addMenuActions(*submenu, entry.submenu, chosen);
            return submenu->menuAction();
        }
        auto* action = new QAction(entry.caption, &menu);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        QObject::connect(action, &QAction::triggered, [chosen, id = entry.id] { chosen(id); });
        return action;
    }

} // namespace

void addMenuActions(QWidget& menu, const std::vector<MenuEntry>& entries, const MenuChoice& chosen)
{
    for (const MenuEntry& entry : entries) {
        QAction* action = entry.separator ? new QAction(&menu) : actionFor(menu, entry, chosen);
        action->setSeparator(entry.separator);
        action->setEnabled(entry.enabled);
        menu.addAction(action);
    }
}

} // namespace velmora
