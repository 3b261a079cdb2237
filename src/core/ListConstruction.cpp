// Building lists from lists: "fput", "lput", "butitem", "replace", "deepreplace", "butmember",
// "reverse" and "shuffle". Every result is new cells in front of a shared tail; the input list
// is never changed.
#include "core/ListOperationRows.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/NativeStack.h"
#include "values/Random.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

#include <limits>
#include <utility>

namespace velmora {

namespace {

    constexpr int32_t beyondAnyEnd = std::numeric_limits<int32_t>::max();

    tLogoList* list(tlogoobject* self) { return static_cast<tLogoList*>(self); }

    tlogoobject* primFput(tlogoobject* self, tlogoobject* x)
    {
        return makeListCell(x, self->isEmpty() ? nullptr : list(self));
    }

    tlogoobject* primLput(tlogoobject* self, tlogoobject* x)
    {
        return splice(list(self), beyondAnyEnd, 0, { &x, 1 });
    }

    // A range spec [from count] for removing or replacing: exactly two numbers (error 13).
    std::pair<int32_t, int32_t> rangeOf(tlogoobject* spec)
    {
        const std::vector<tlogoobject*> parts = elementsOf(list(spec));
        if (parts.size() != 2)
            throw eLogoException(erExpectList2, spec);
        return { parts[0]->asInteger(), parts[1]->asInteger() };
    }

    // Removes the element at a position or the range [from count]; a range starting below 1
    // counts from 1 and is shortened by the positions before it.
    tlogoobject* primButItem(tlogoobject* self, tlogoobject* spec)
    {
        if (!spec->isList()) {
            const int32_t position = spec->intInRange(1, beyondAnyEnd);
            return splice(list(self), position - 1, 1, {});
        }
        auto [from, count] = rangeOf(spec);
        if (from < 1) {
            count = static_cast<int32_t>(std::max<int64_t>(0, int64_t { count } - (1 - from)));
            from = 1;
        }
        return count > 0 ? splice(list(self), from - 1, count, {}) : self;
    }

    // Where the spliced-in elements go: before position p, in front for p below 1, at the end
    // for p beyond it.
    int32_t insertionIndex(int32_t position) { return std::max(position, 1) - 1; }

    tlogoobject* primReplace(tlogoobject* self, tlogoobject* spec, tlogoobject* value)
    {
        if (!spec->isList()) {
            const int32_t position = spec->asInteger();
            return splice(
                list(self), insertionIndex(position), position < 1 ? 0 : 1, { &value, 1 });
        }
        const auto [position, count] = rangeOf(spec);
        const std::vector<tlogoobject*> inserted = elementsOf(requireList(value));
        return splice(
            list(self), insertionIndex(position), position < 1 ? 0 : std::max(count, 0), inserted);
    }

    // The list with the element at the path rebuilt: replaced by the value where the path ends,
    // kept when the path leads into something that is not a list or outside the list.
    tlogoobject* replacedAt(tLogoList* within, tLogoList* path, tlogoobject* value)
    {
        NativeStack::check();
        if (!path || !path->first())
            return value;
        const int32_t position = path->first()->asInteger();
        tLogoList* cell = cellAt(within, position);
        if (!cell)
            return within;
        tLogoList* restOfPath = path->rest() && path->rest()->first() ? path->rest() : nullptr;
        if (restOfPath && !cell->first()->isList())
            return within;
        ValueRef replacement(
            restOfPath ? replacedAt(list(cell->first()), restOfPath, value) : value);
        tlogoobject* element = replacement.get();
        return splice(within, position - 1, 1, { &element, 1 });
    }

    // The path is a position or a list of positions (error 10 for anything else inside it).
    tlogoobject* primDeepReplace(tlogoobject* self, tlogoobject* path, tlogoobject* value)
    {
        if (path->isList()) {
            for (tlogoobject* position : elements(list(path)))
                if (!position->isNumber())
                    throw eLogoException(erBadStructure, path);
            return replacedAt(list(self), list(path), value);
        }
        if (!path->isNumber())
            throw eLogoException(erExpectList, path);
        const ValueRef single(makeListCell(path, nullptr));
        return replacedAt(list(self), list(single.get()), value);
    }

    tlogoobject* primButMember(tlogoobject* self, tlogoobject* x)
    {
        ListBuilder kept;
        for (tlogoobject* element : elements(list(self)))
            if (!element->equals(x))
                kept.append(element);
        return kept.finish();
    }

    tlogoobject* primReverse(tlogoobject* self)
    {
        tLogoList* reversed = nullptr;
        for (tlogoobject* element : elements(list(self)))
            reversed = makeListCell(element, reversed);
        return reversed ? reversed : makeEmptyList();
    }

    // Fisher-Yates over the elements: every order equally likely.
    tlogoobject* primShuffle(tlogoobject* self)
    {
        std::vector<tlogoobject*> shuffled = elementsOf(list(self));
        for (size_t i = shuffled.size(); i > 1; --i)
            std::swap(shuffled[i - 1],
                shuffled[static_cast<size_t>(randomInRange(0, static_cast<int32_t>(i) - 1))]);
        return listOf(shuffled);
    }

} // namespace

std::span<const PrimitiveRow> listConstructionRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<1>("fput", primFput),
        classOperation<1>("lput", primLput),
        classOperation<1>("butitem", primButItem),
        classOperation<2>("replace", primReplace),
        classOperation<2>("deepreplace", primDeepReplace),
        classOperation<1>("butmember", primButMember),
        classOperation<0>("reverse", primReverse),
        classOperation<0>("shuffle", primShuffle),
    };
    return rows;
}

} // namespace velmora
