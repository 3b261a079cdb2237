// Ask tables: the table through which commands addressed to a who list are found.
//
// Every prototype holds an ask object under the variable "@askobj", which its instances see along
// their chains. "tell" and "ask" with several objects make its table the process's current table;
// a name that the current object does not know is then looked up there, and calls the command of
// the prototype for each object of the who list in turn, as that object, with the same inputs.
// An operation answers the first object's result.
#pragma once

#include "interpreter/LogoTab.h"
#include "values/LogoObject.h"

namespace velmora {

class tmultiobject;

class tAskObject : public tlogoobject {
public:
    explicit tAskObject(tmultiobject& prototype);

    tlogoobject* copy() override { return this; }
    std::string_view className() const override { return "askobject"; }
    tLogoTab& table() { return m_table; }

private:
    // Broadcast commands are made on first use from the prototype's built-in ones, so that the
    // commands the prototype registers after its ask object exists are reached too.
    class AskTab : public tLogoTab {
    public:
        explicit AskTab(tmultiobject& prototype)
            : m_prototype(prototype)
        {
        }
        tProcDesc* findForWhoList(NameCode name) override;

    private:
        tmultiobject& m_prototype;
    };

    AskTab m_table;
};

// Gives the prototype its ask object.
void giveAskTable(tmultiobject& prototype);
// The ask table the object answers to; none for objects of no prototype with one.
tLogoTab* askTableOf(tlogoobject* object);

} // namespace velmora
