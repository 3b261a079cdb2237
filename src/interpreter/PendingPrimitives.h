// PendingPrimitives: the primitives offered to a name table whose descriptors are not made yet.
//
// Registering a primitive stands for one descriptor under each of its spellings, yet a program
// uses a few dozen of the thousand or so names the main object and the value classes have. So a
// table keeps the rows offered to it here and makes a row's descriptor when one of its spellings
// is first looked up. A lookup answers exactly what it would if every descriptor had been made at
// registration, down to which of two rows sharing a spelling wins (PrimitiveRow.h). The
// spellings of every row are gathered into an index, keyed by the name comparison, the first time
// a name is asked for.
//
// A name code is settled once it has been asked for, or once the table registers an entry of its
// own under it; from then on the table alone answers for it, so an erased or replaced entry never
// comes back from here.
//
// Like the table's lookups and registrations, everything here runs under the interpreter lock.
#pragma once

#include "interpreter/PrimitiveRow.h"

#include <span>
#include <string>
#include <vector>

namespace velmora {

class PendingPrimitives {
public:
    struct Claimed {
        const PrimitiveRow* row;
        tlogoobject* owner;
    };

    // The rows stay where they are (constant tables). Rows offered after the first lookup are
    // indexed anew; names already settled stay settled.
    void offer(tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence);
    // From now on the table answers for the name.
    void settle(NameCode name);
    // The row one of whose spellings the name is, with the owner it was offered for; no row when
    // there is none. Either way the name is settled.
    Claimed claim(NameCode name);

private:
    struct Offer {
        std::span<const PrimitiveRow> rows;
        tlogoobject* owner;
        Precedence precedence;
    };
    struct Spelling {
        uint32_t offset; // into m_text
        uint32_t length;
        uint32_t hash;
        uint16_t offer; // index into m_offers
        uint16_t row; // index into that offer's rows
    };

    // Marks the name settled; false when it already was.
    bool settleOnce(NameCode name);
    void buildIndex();
    void enter(std::string_view spelling, uint16_t offer, uint16_t row);
    void growSlots();
    // The slot holding the spelling, or the empty slot where it belongs.
    size_t slotOf(std::string_view spelling, uint32_t hash) const;
    std::string_view textOf(const Spelling& spelling) const
    {
        return std::string_view(m_text).substr(spelling.offset, spelling.length);
    }

    std::vector<Offer> m_offers;
    std::vector<bool> m_settled; // by name code
    bool m_indexed = false;
    std::string m_text; // every spelling, back to back
    std::vector<Spelling> m_spellings;
    std::vector<uint32_t> m_slots; // open addressing over m_spellings: index + 1, 0 when empty
};

} // namespace velmora
