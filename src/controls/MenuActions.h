// MenuActions: the entries of a menu list as the actions of a menu bar or a menu, made in the
// window thread from plain data. Choosing an entry hands its id to the choice function, which
// runs in the window thread too.
#pragma once

#include "controls/MenuList.h"

#include <functional>

class QWidget;

namespace velmora {

using MenuChoice = std::function<void(int32_t id)>;

// Appends the entries to a QMenuBar or a QMenu: separators, entries that are chosen, and
// entries that open their submenu. The actions and submenus are children of `menu`.
void addMenuActions(QWidget& menu, const std::vector<MenuEntry>& entries, const MenuChoice& chosen);

} // namespace velmora
