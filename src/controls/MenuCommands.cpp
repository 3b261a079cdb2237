#include "controls/MenuCommands.h"

#include "objects/EventRaising.h"
#include "processes/DefaultCommander.h"
#include "processes/InterpreterLock.h"

namespace velmora {

MenuCommands::MenuCommands(std::vector<ValueRef> instructions, tmultiobject& owner)
    : m_instructions(std::move(instructions))
    , m_owner(&owner)
{
}

void MenuCommands::run(int32_t id) const
{
    auto& owner = static_cast<tmultiobject&>(*m_owner);
    if (id < 0 || static_cast<size_t>(id) >= m_instructions.size() || owner.destroyed())
        return;
    startMenuCommandProcess(owner, m_instructions[static_cast<size_t>(id)].get());
}

MenuChoice MenuCommands::choiceFor(const std::shared_ptr<const MenuCommands>& commands)
{
    return [held = std::weak_ptr(commands)](int32_t id) {
        HeldLock interpreter;
        try {
            if (const std::shared_ptr<const MenuCommands> current = held.lock())
                current->run(id);
        } catch (const eLogoException& error) {
            defaultCommanderService().get().reportError(error);
        }
    };
}

} // namespace velmora
