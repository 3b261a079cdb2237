// MenuList: a menu given as a Logo list, read into entries of plain data that the window thread
// builds its menus from, and the values of the entries, which stay on the Logo side.
//
// A menu list holds its items in order. An item is a list: the empty list is a separator;
// [caption] an entry showing the print form of caption, whose value is caption itself;
// [caption value]; [caption value submenu], the submenu a menu list of the same form (the empty
// list for none); [caption value submenu options], the options filled in as "!" fills a list and
// then read as pairs of an option word and a truth value: the language's words of "enabled_menu"
// (whether the entry can be chosen) and "checked_menu" (whether it shows a check mark), section
// "param". Errors: 6 for an item, a submenu or options that is not a list; 9 for another option
// word; 10 for an option word without its value, or an item of more than four elements.
//
// Read under the interpreter lock, in a Logo process: filling in the options evaluates.
#pragma once

#include "values/ValueRef.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace velmora {

struct MenuEntry {
    bool separator = false;
    QString caption {}; // the print form, converted from the language's code page
    bool enabled = true;
    bool checked = false;
    int32_t id = -1; // the index of the entry's value in MenuList::values; -1 for a separator
    std::vector<MenuEntry> submenu {}; // empty for an entry that is chosen itself
};

struct MenuList {
    std::vector<MenuEntry> entries; // plain data: may be handed to the window thread
    std::vector<ValueRef> values; // by entry id; Logo values, which never leave the Logo side
};

MenuList readMenuList(tlogoobject* list);

} // namespace velmora
