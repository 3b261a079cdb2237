// The shared name tables of the value classes.
//
// Every value finds its primitives in the table of its class: text words, integers, reals,
// booleans and lists each have one, filled at start-up with the operations the main object's
// generic dispatchers reach ("first" of a word and "first" of a list are different operations).
// The tables are marked shared: no value destroys them. They live for the whole program and are
// refilled, not replaced, when the engine starts again, so values made earlier keep valid tables.
#pragma once

#include "interpreter/LogoTab.h"
#include "values/ValueKind.h"

namespace velmora {

struct ClassTables {
    tLogoTab words;
    tLogoTab integers;
    tLogoTab reals;
    tLogoTab booleans;
    tLogoTab lists;

    static ClassTables& instance();
    // The table of a value class; none for objects and images, which have tables of their own.
    static tLogoTab* of(ValueKind kind);
    // Empties every table before the operations are registered again.
    void clear();
};

} // namespace velmora
