// The operations of lists, registered into the list class table at start-up.
//
// "first" of a list, "item" of a list, "+" of a list and the rest are value-class operations:
// the main object's generic dispatchers find them in the table of the list they are applied to.
// The families live in ListAccess.cpp, ListConstruction.cpp, ListEvaluation.cpp,
// ListVectors.cpp and ListSort.cpp.
#pragma once

namespace velmora {

class InterpreterState;
class tLogoList;
struct ClassTables;

// Registers every list operation into `tables.lists`; entries of the same names are replaced.
void registerListOperations(ClassTables& tables);

// "!" and "!2": the template with every word beginning with ":" replaced by its value, every
// parenthesised group by the value of its expression, and sublists filled the same way.
tLogoList* filledTemplate(InterpreterState& state, tLogoList* source);

} // namespace velmora
