// Helpers shared by the list operations: positions, splicing and numeric lists.
//
// Lists are immutable chains of cells, so every helper that "changes" a list builds new cells in
// front and shares the untouched tail. Each helper costs one step per cell it walks or builds and
// never more: "item" walks to its position, "lput" copies the cells once.
//
// Used under the interpreter lock only, like every value.
#pragma once

#include "values/LogoList.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

// The value as a list; error 6 naming it when it is none.
tLogoList* requireList(tlogoobject* value);

// The elements in order. The pointers are not held: the list must outlive the vector.
std::vector<tlogoobject*> elementsOf(const tLogoList* list);

// A new list of the given elements.
tLogoList* listOf(std::span<tlogoobject* const> elements);

// The cell that holds the element at a position (from 1), or none beyond the end.
tLogoList* cellAt(tLogoList* list, int32_t position);

// A copy of the list in which `removeCount` elements from index `start` (from 0) are replaced by
// `inserted`. Cells after the removed ones are shared, not copied.
tLogoList* splice(
    tLogoList* list, int32_t start, int32_t removeCount, std::span<tlogoobject* const> inserted);

// What "first", "last", "butfirst", "butlast" and "pick" give for an empty list: error 4 when
// the strictness level is above 0, else a new empty list.
tLogoList* emptyListAnswer(tLogoList* list);

// The numbers of a numeric list: error 4 for an empty list, error 10 naming the list when an
// element is no number.
std::vector<tlogoobject*> numericElements(tLogoList* list);
bool isNumericList(tlogoobject* value);

} // namespace velmora
