// EventCodes: the name codes of the event names and of the words that stand beside them.
//
// An object's event handlers are named by the localized event words ("onClick"), and the object
// model must tell at once whether a name code is an event. The event names are therefore interned
// one after another at start-up, right after the synonyms of "create" and "destroy" and the
// "defaultaction" name: the events then own one contiguous range of codes, and a code is an event
// exactly when it lies above the record count taken before them and at most the count taken after
// them. Codes at or below the first count are the create/destroy words, which the object model
// treats apart. A dictionary that gives two events one first synonym breaks the range test;
// dictionaries are expected to give every event a word of its own.
//
// Locking: built under the interpreter lock at start-up, read-only afterwards.
#pragma once

#include "localization/NameCode.h"

#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class EventCodes {
public:
    static const EventCodes& instance() { return mutableInstance(); }
    // Interns the create/destroy words, "defaultaction" and the events, in that order. Call right
    // after the name codes were cleared, so that the event range is contiguous.
    static void build();

    // The internal event names, in the order they are interned.
    static std::span<const std::string_view> eventNames();

    // Whether the code names an event: above the count before the events, at most the count after.
    bool isEventCode(NameCode code) const { return code > m_countBefore && code <= m_countAfter; }
    // The code of an internal event name ("onClick"); 0 when it is no event name.
    NameCode eventCode(std::string_view internalName) const;

    const std::vector<NameCode>& createCodes() const { return m_createCodes; }
    const std::vector<NameCode>& destroyCodes() const { return m_destroyCodes; }
    NameCode defaultActionCode() const { return m_defaultAction; }
    NameCode countBefore() const { return m_countBefore; }
    NameCode countAfter() const { return m_countAfter; }

private:
    static EventCodes& mutableInstance();

    std::vector<NameCode> m_createCodes;
    std::vector<NameCode> m_destroyCodes;
    NameCode m_defaultAction = 0;
    std::vector<NameCode> m_eventCodes; // parallel to eventNames()
    NameCode m_countBefore = 0;
    NameCode m_countAfter = 0;
};

} // namespace velmora
