// KeyMenu: an object's keyboard shortcuts, the value of its property "keyMenu" (176).
//
// The list alternates one or more key words with the instruction list they run ("ctrl.s [save]
// f1 f2 [help]"); a non-empty list standing alone at the end catches every key. The object keeps
// the list as it was set, for reading it back, and the entries read from it, which the main
// window's key table takes to run them.
#pragma once

#include "values/ValueRef.h"

#include <cstdint>
#include <vector>

namespace velmora {

// Bits of a key's shift state.
enum ShiftBit : uint8_t { shiftBit = 1, altBit = 2, ctrlBit = 4 };

struct KeyMenuEntry {
    bool catchAll = false; // matches every key press and release
    bool release = false; // reacts to the key's release instead of its press
    int32_t keyNumber = 0; // of a named key; 0 for a character
    uint8_t shiftState = 0; // ShiftBit bits
    uint8_t character = 0; // of a character key: upper-cased, or a control code
    ValueRef instructions = {}; // none for keys that run nothing
};

class KeyMenu {
public:
    // Reads a key menu; the empty list removes it. Error 6 for anything but a list, 10 for a
    // key word without instructions, instructions without a key word or an element neither word
    // nor list, 141 for a key word that names no key.
    static KeyMenu read(tlogoobject* list);

    // The list as it was set: the empty list when there is none.
    tlogoobject* list() const;
    const std::vector<KeyMenuEntry>& entries() const { return m_entries; }

private:
    ValueRef m_list;
    std::vector<KeyMenuEntry> m_entries;
};

} // namespace velmora
