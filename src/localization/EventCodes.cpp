#include "localization/EventCodes.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"

#include <algorithm>
#include <array>
#include <string>

namespace velmora {
namespace {

    // The order fixes the codes, so it must not change: projects and the range test rely on it.
    constexpr std::array<std::string_view, 46> eventNameTable = {
        "onCreate",
        "onClean",
        "onClick",
        "onDoubleClick",
        "onLeftDown",
        "onRightDown",
        "onMiddleDown",
        "onLeftUp",
        "onRightUp",
        "onMiddleUp",
        "onDrag",
        "onPush",
        "onRelease",
        "onTool",
        "onChange",
        "onChanged",
        "onPagelistChanged",
        "onMouseMove",
        "onMouseEnter",
        "onMouseLeave",
        "onVoiceCommand",
        "onAddBehaviour",
        "onDeleteBehaviour",
        "onCollide",
        "onBounce",
        "onLoad",
        "onPositionChange",
        "onPlayStateChange",
        "onStatusChanged",
        "onReceive",
        "onJoystickButton1Down",
        "onJoystickButton1Up",
        "onJoystickButton2Down",
        "onJoystickButton2Up",
        "onJoystickButton3Down",
        "onJoystickButton3Up",
        "onJoystickButton4Down",
        "onJoystickButton4Up",
        "onJoystickMove",
        "onBegin",
        "onComplete",
        "onShowPage",
        "onHidePage",
        "onTurnToolBar",
        "onReceiveObject",
        "onErase",
    };

    std::vector<NameCode> internSynonyms(std::string_view key)
    {
        std::vector<NameCode> codes;
        for (const std::string& word : languageDictionary().synonyms(key))
            codes.push_back(NameCodes::instance().intern(word));
        return codes;
    }

} // namespace

EventCodes& EventCodes::mutableInstance()
{
    static EventCodes codes;
    return codes;
}

std::span<const std::string_view> EventCodes::eventNames() { return eventNameTable; }

void EventCodes::build()
{
    EventCodes& self = mutableInstance();
    NameCodes& names = NameCodes::instance();
    const LanguageDictionary& dictionary = languageDictionary();
    self.m_createCodes = internSynonyms("create");
    self.m_destroyCodes = internSynonyms("destroy");
    self.m_defaultAction = names.intern(dictionary.firstWord("name", "defaultaction"));
    self.m_countBefore = names.count();
    self.m_eventCodes.clear();
    for (std::string_view event : eventNameTable)
        self.m_eventCodes.push_back(names.intern(dictionary.firstDictionaryWord(event)));
    self.m_countAfter = names.count();
}

NameCode EventCodes::eventCode(std::string_view internalName) const
{
    const auto found = std::find(eventNameTable.begin(), eventNameTable.end(), internalName);
    if (found == eventNameTable.end() || m_eventCodes.empty())
        return 0;
    return m_eventCodes[static_cast<size_t>(found - eventNameTable.begin())];
}

} // namespace velmora
