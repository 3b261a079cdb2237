// NameCodes: interning of names as name codes, and back.
//
// A name code is a positive integer standing for one spelling of a name; equal spellings under the
// current name comparison get the same code. Codes are given from 1 in order of first use, so name
// tables can be arrays indexed by code. The string table (`tstringtab`) is ordered by code, which
// here is simply the order of creation; the code table (`tcodetab`) is a hash index over the
// folded spellings, so interning neither copies nor sorts a name. Each slot of the index keeps the
// hash beside the code: a search reads a spelling only where the hashes agree, and growing the
// index reads none, which spares a cache miss per probe once the names outgrow the caches. The
// index folds with the comparison in force, so the codes must be cleared whenever it changes, as
// start-up does.
//
// The tables grow whenever a new name is interned, from any process, always under the interpreter
// lock.
#pragma once

#include "localization/NameCode.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class NameCodes {
public:
    static NameCodes& instance();

    // Its code, created when the name is new. "#n" stands for code n + 2147483647 and is never
    // entered.
    NameCode intern(std::string_view name);
    // Its code, or 0 when the name was never interned.
    NameCode find(std::string_view name) const;
    // Its name; "<Unknown name>" for 0 and unknown codes. The reference stays valid until
    // clear().
    const std::string& nameOf(NameCode code) const;
    int32_t count() const { return static_cast<int32_t>(m_byCode.size()); }

    // Forgets every name (start-up, and tests). Codes given before must not be used afterwards.
    void clear();

private:
    struct Slot {
        uint32_t hash; // the name's hash under the comparison in force
        NameCode code; // 0 marks an empty slot
    };

    static bool numericCode(std::string_view name, NameCode& code);
    // The slot of the index holding the name's code, or the empty slot where it belongs.
    size_t slotOf(std::string_view name, uint32_t hash) const;
    void growIndex();

    std::deque<std::string> m_byCode; // tstringtab, index = code - 1; a deque keeps names in place
    std::vector<Slot> m_index; // tcodetab: open addressing
};

} // namespace velmora
