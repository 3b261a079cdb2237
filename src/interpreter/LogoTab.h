// tLogoTab: a name table mapping name codes to descriptors.
//
// Slots cover a window [low, high] of name codes, so a lookup is one bounds test and one array
// index. Descriptors are also chained in registration order for enumeration, saving and display;
// because the window thread enumerates tables while processes change them, every change of the
// chain and every ordered walk takes the process-wide table lock (after the interpreter lock).
// Lookups and registrations themselves run under the interpreter lock.
//
// Primitives offered to a table wait in its PendingPrimitives until one of their spellings is
// first looked up; the lookup then makes and enters the descriptor, so lookups answer as if it had
// been there all along. Enumerations visit only entries that exist, and a primitive nobody looked
// up does not exist yet; what enumerations are for (user procedures, variables, objects, saving)
// never lists primitives.
#pragma once

#include "interpreter/ProcDesc.h"
#include "interpreter/ResolutionStamp.h"

#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class PendingPrimitives;
struct PrimitiveRow;
enum class Precedence;

class tLogoTab {
public:
    // The label is the dictionary text of `labelKey` ("commandsLabel", "variablesLabel", ...).
    explicit tLogoTab(std::string_view labelKey = "commandsLabel");
    virtual ~tLogoTab();
    tLogoTab(const tLogoTab&) = delete;
    tLogoTab& operator=(const tLogoTab&) = delete;

    // The descriptor for a name code, or none.
    tTabDesc* find(NameCode name) const
    {
        if (tTabDesc* found = entered(name))
            return found;
        return m_pending ? enterPending(name) : nullptr;
    }
    // A name looked up where a procedure is wanted: procedure tables hold only procedures.
    tProcDesc* findProc(NameCode name) const
    {
        tTabDesc* found = find(name);
        return found && found->isProcedure() ? static_cast<tProcDesc*>(found) : nullptr;
    }
    // The procedure a name calls in the objects of a who list that this table is the ask table
    // of; a plain table answers what it holds.
    virtual tProcDesc* findForWhoList(NameCode name) { return findProc(name); }
    // The descriptor; a missing name raises the table's missing-name error.
    tTabDesc* get(NameCode name);
    bool contains(NameCode name) const { return find(name) != nullptr; }

    // Stores the descriptor under its name code, replacing (and destroying) any entry there, and
    // appends it to the registration order. The table owns it from now on.
    void registerDesc(tTabDesc* desc);
    // Offers primitives, entered under each of their spellings when first looked up
    // (Registration.h).
    void offerPrimitives(
        tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence);
    void erase(NameCode name);
    void tryErase(NameCode name);
    // Erases every entry that is not `builtin`, except `exceptName`.
    virtual void eraseAll(NameCode exceptName = 0);

    // Every descriptor in registration order, under the table lock.
    void forEachInOrder(const std::function<void(tTabDesc*)>& visit) const;
    // Every filled slot in name code order.
    void forEachSlot(const std::function<void(tTabDesc*)>& visit) const;

    // Destroys every entry, built-in ones included.
    void clear();
    // The table's display label in the current language.
    std::string labelText() const;

    uint8_t shared = 0;
    tlogoobject* owner = nullptr;

protected:
    // The entry the table holds, pending primitives aside. Variable tables, which are never
    // offered primitives, look their names up here, off the path that asks for them.
    tTabDesc* entered(NameCode name) const
    {
        if (name < m_low || name > m_high)
            return nullptr;
        return m_entries[static_cast<size_t>(name - m_low)];
    }
    // Tables that hold only variables leave the procedure stamp alone.
    void holdOnlyVariables() { m_holdsProcedures = false; }

    virtual void missingOnGet(NameCode name);
    virtual void missingOnErase(NameCode name);

private:
    // Makes and enters the descriptor of the pending primitive the name spells, if any. A lookup
    // can see no difference, which is why it is allowed under const.
    tTabDesc* enterPending(NameCode name) const;
    // Puts the descriptor into its slot and the registration order.
    tTabDesc* store(std::unique_ptr<tTabDesc> desc);
    void eraseAt(NameCode name);
    void growFor(NameCode name);
    void noteChange()
    {
        if (m_holdsProcedures)
            ResolutionStamp::advance();
    }

    bool m_holdsProcedures = true;
    std::unique_ptr<PendingPrimitives> m_pending;

    std::string_view m_labelKey;
    std::vector<tTabDesc*> m_entries;
    NameCode m_low = 1;
    NameCode m_high = 0;
    tTabDesc* m_firstDesc = nullptr;
    tTabDesc* m_lastDesc = nullptr;
};

// The lock of every table's registration-order chain.
std::mutex& tableOrderLock();

} // namespace velmora
