// The shared name tables of the value classes.
//
// Every value finds its operations in the table of its class: text words, integers, reals,
// booleans, lists and images each have one, filled at start-up with the operations the main
// object's generic dispatchers reach ("first" of a word and "first" of a list are different
// operations). A value's table follows from its kind, so values carry no table of their own. The
// tables live for the whole program and are refilled, not replaced, when the engine starts again.
#pragma once

#include "interpreter/LogoTab.h"
#include "values/ValueKind.h"

#include <array>

namespace velmora {

struct ClassTables {
    tLogoTab words;
    tLogoTab integers;
    tLogoTab reals;
    tLogoTab booleans;
    tLogoTab lists;
    // Filled by the window layers, which own the image value.
    tLogoTab images;

    // Inline: every call of an operation on a value asks for its class's table. Never
    // destroyed: values freed during static destruction still reach their tables.
    static ClassTables& instance()
    {
        static ClassTables* tables = new ClassTables;
        return *tables;
    }
    // The table of a value's class; none for objects, which have tables of their own.
    static tLogoTab* of(ValueKind kind) { return instance().m_byKind[static_cast<size_t>(kind)]; }
    // Empties every table before the operations are registered again.
    void clear();

private:
    ClassTables();
    std::array<tLogoTab*, 7> m_byKind;
};

} // namespace velmora
