// MenuCommands: the Logo side of a window's menu, the instruction lists of its entries by id and
// the object that set the menu. The window thread knows the entries by their ids alone; a choice
// comes back as an id, and the entry's instructions run in a process "@MenuCommand" as that
// object.
//
// Locking: made, read and let go under the interpreter lock. The window thread holds them only
// weakly, and takes the lock before it looks, so a menu replaced meanwhile runs nothing.
#pragma once

#include "controls/MenuActions.h"
#include "objects/MultiObject.h"

#include <memory>

namespace velmora {

class MenuCommands {
public:
    MenuCommands(std::vector<ValueRef> instructions, tmultiobject& owner);

    // Starts the entry's instructions, unless the object that set the menu has been erased.
    void run(int32_t id) const;

    // The choice function the window thread calls: it takes the interpreter lock and runs the
    // chosen entry while these commands are still held; an error of the start is reported to
    // the default interface.
    static MenuChoice choiceFor(const std::shared_ptr<const MenuCommands>& commands);

private:
    std::vector<ValueRef> m_instructions;
    ValueRef m_owner;
};

} // namespace velmora
