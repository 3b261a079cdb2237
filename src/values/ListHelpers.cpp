#include "values/ListHelpers.h"

#include "values/Errors.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

namespace velmora {

tLogoList* requireList(tlogoobject* value)
{
    if (!value->isList())
        throw eLogoException(erExpectList, value);
    return static_cast<tLogoList*>(value);
}

std::vector<tlogoobject*> elementsOf(const tLogoList* list)
{
    std::vector<tlogoobject*> result;
    for (tlogoobject* element : elements(list))
        result.push_back(element);
    return result;
}

tLogoList* listOf(std::span<tlogoobject* const> elements)
{
    ListBuilder builder;
    for (tlogoobject* element : elements)
        builder.append(element);
    return builder.finish();
}

tLogoList* cellAt(tLogoList* list, int32_t position)
{
    if (position < 1)
        return nullptr;
    tLogoList* cell = list->first() ? list : nullptr;
    for (int32_t i = 1; cell && i < position; ++i)
        cell = cell->rest();
    return cell && cell->first() ? cell : nullptr;
}

tLogoList* splice(
    tLogoList* list, int32_t start, int32_t removeCount, std::span<tlogoobject* const> inserted)
{
    ListBuilder front;
    tLogoList* cell = list;
    front.appendElementsFrom(cell, start);
    for (int32_t removed = 0; cell && removed < removeCount; ++removed)
        cell = cell->rest();
    for (tlogoobject* element : inserted)
        front.append(element);
    return front.finishOnto(cell && cell->first() ? cell : nullptr);
}

tLogoList* emptyListAnswer(tLogoList* list)
{
    if (strictLevel() > 0)
        throw eLogoException(erEmptyList, list);
    return makeEmptyList();
}

std::vector<tlogoobject*> numericElements(tLogoList* list)
{
    if (list->isEmpty())
        throw eLogoException(erEmptyList, list);
    std::vector<tlogoobject*> numbers = elementsOf(list);
    for (tlogoobject* number : numbers)
        if (!number->isNumber())
            throw eLogoException(erBadStructure, list);
    return numbers;
}

bool isNumericList(tlogoobject* value)
{
    if (!value->isList() || value->isEmpty())
        return false;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value)))
        if (!element->isNumber())
            return false;
    return true;
}

} // namespace velmora
