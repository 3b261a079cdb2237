// The operations of words and numbers, registered into the class tables at start-up.
//
// Every word class (text words, integers, reals, booleans) has the text operations ("first",
// "item", "member?", ...: numbers and booleans act on their text) and the arithmetic ones ("+",
// "sqrt", "random", ...: text words use the number they spell). The tables are filled in the
// order text words, integers, reals, booleans, each starting as a copy of the one before it: every
// table gets the rows shared by all words, then the class-specific rows of its own class and of
// the classes before it, the later ones over the earlier.
//
// The families live in WordOperations.cpp (text), WordPositions.cpp ("item", "butitem",
// "replace") and NumberOperations.cpp (arithmetic, comparisons, truth).
#pragma once

#include "interpreter/Registration.h"

#include <span>

namespace velmora {

struct ClassTables;

// Registers the word and number operations into the tables of text words, integers, reals and
// booleans; entries of the same names are replaced.
void registerWordAndNumberOperations(ClassTables& tables);

std::span<const PrimitiveRow> wordTextRows();
std::span<const PrimitiveRow> wordPositionRows();

} // namespace velmora
