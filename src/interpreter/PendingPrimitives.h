// PendingPrimitives: the primitives offered to a name table whose descriptors are not made yet.
//
// Registering a primitive stands for one descriptor under each of its spellings, yet a program
// uses a few dozen of the thousand or so names the main object and the value classes have. So a
// table keeps the rows offered to it here and makes a row's descriptor when one of its spellings
// is first looked up. A lookup answers exactly what it would if every descriptor had been made at
// registration, down to which of two rows sharing a spelling wins (PrimitiveRow.h).
//
// The first time a name is asked for, every offered row's spellings are interned, and each name
// code then holds the row waiting under it. A row leaves its code when the code is claimed, or when
// the table registers an entry of its own under it; from then on the table alone answers for the
// name, so an erased or replaced entry never comes back from here. Rows offered after that first
// time wait under their codes at once, but do not replace descriptors already made.
//
// Like the table's lookups and registrations, everything here runs under the interpreter lock.
#pragma once

#include "interpreter/PrimitiveRow.h"

#include <span>
#include <vector>

namespace velmora {

class PendingPrimitives {
public:
    struct Claimed {
        const PrimitiveRow* row;
        tlogoobject* owner;
    };

    // The rows stay where they are (constant tables).
    void offer(tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence);
    // From now on the table answers for the name.
    void settle(NameCode name);
    // The row waiting under the name, with the owner it was offered for; no row when none waits.
    // Either way the table answers for the name from now on.
    Claimed claim(NameCode name);

private:
    struct Offer {
        std::span<const PrimitiveRow> rows;
        tlogoobject* owner;
        Precedence precedence;
    };
    // Which row of which offer waits under a name code; none when both are zero and `waits` is
    // false.
    struct Waiting {
        uint16_t offer = 0;
        uint16_t row = 0;
        bool waits = false;
    };

    void indexOnce();
    // Puts every row of the offer under the codes of its spellings.
    void index(size_t offer);
    // The row waiting under the name, which stops waiting there; none for names without one.
    Waiting take(NameCode name);

    std::vector<Offer> m_offers;
    std::vector<Waiting> m_waiting; // by name code
    bool m_indexed = false;
};

} // namespace velmora
