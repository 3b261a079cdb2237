// Reading lists: "count", "first", "last", "butfirst", "butlast", "item", "deepitem", "pick" and
// the "member" family. Positions count from 1; with the strictness level at 0 a position outside
// the list gives an empty list instead of an error.
#include "core/ListOperationRows.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/Random.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

namespace velmora {

namespace {

    tLogoList* list(tlogoobject* self) { return static_cast<tLogoList*>(self); }

    int32_t primCount(tlogoobject* self) { return list(self)->count(); }

    tlogoobject* primFirst(tlogoobject* self)
    {
        return self->isEmpty() ? emptyListAnswer(list(self)) : list(self)->first();
    }

    tlogoobject* primLast(tlogoobject* self)
    {
        tLogoList* cell = list(self);
        if (cell->isEmpty())
            return emptyListAnswer(cell);
        while (cell->rest() && cell->rest()->first())
            cell = cell->rest();
        return cell->first();
    }

    tlogoobject* primButFirst(tlogoobject* self)
    {
        if (self->isEmpty())
            return emptyListAnswer(list(self));
        tLogoList* rest = list(self)->rest();
        return rest ? rest : makeEmptyList();
    }

    tlogoobject* primButLast(tlogoobject* self)
    {
        if (self->isEmpty())
            return emptyListAnswer(list(self));
        return splice(list(self), list(self)->count() - 1, 1, {});
    }

    // The element at a single position: error 4 or 26 with a strictness level above 0, an empty
    // list otherwise.
    tlogoobject* itemAt(tLogoList* from, tlogoobject* spec)
    {
        if (tLogoList* cell = cellAt(from, spec->asInteger()))
            return cell->first();
        if (strictLevel() == 0)
            return makeEmptyList();
        if (from->isEmpty())
            throw eLogoException(erEmptyList, from);
        throw eLogoException(erMinMax, 1, from->count(), spec);
    }

    bool isRange(tlogoobject* spec)
    {
        if (!spec->isList())
            return false;
        const std::vector<tlogoobject*> parts = elementsOf(list(spec));
        return parts.size() == 2 && parts[0]->isNumber() && parts[1]->isNumber();
    }

    // The elements of a range [from count]; a start below 1 counts as 1 and shortens the range.
    void appendRange(tLogoList* from, tlogoobject* spec, std::vector<tlogoobject*>& chosen)
    {
        const std::vector<tlogoobject*> parts = elementsOf(list(spec));
        if (parts.size() != 2)
            throw eLogoException(erExpectList2, spec);
        int32_t start = parts[0]->asInteger();
        int64_t count = parts[1]->asInteger();
        if (start < 1) {
            count -= 1 - static_cast<int64_t>(start);
            start = 1;
        }
        for (tLogoList* cell = cellAt(from, start); cell && cell->first() && count > 0;
             cell = cell->rest(), --count)
            chosen.push_back(cell->first());
    }

    // One element of a list of specs: a position (skipped when outside the list at strictness
    // 0, error 9 otherwise) or a range.
    void appendSpec(tLogoList* from, tlogoobject* spec, std::vector<tlogoobject*>& chosen)
    {
        if (spec->isList())
            return appendRange(from, spec, chosen);
        if (!spec->isNumber())
            throw eLogoException(erExpectList, spec);
        if (tLogoList* cell = cellAt(from, spec->asInteger()))
            chosen.push_back(cell->first());
        else if (strictLevel() > 0)
            throw eLogoException(erBadValue, spec);
    }

    tlogoobject* primItem(tlogoobject* self, tlogoobject* spec)
    {
        if (!spec->isList())
            return itemAt(list(self), spec);
        std::vector<tlogoobject*> chosen;
        if (isRange(spec))
            appendRange(list(self), spec, chosen);
        else
            for (tlogoobject* part : elements(list(spec)))
                appendSpec(list(self), part, chosen);
        return listOf(chosen);
    }

    // Each position of the path selects inside the previous result.
    tlogoobject* primDeepItem(tlogoobject* self, tlogoobject* path)
    {
        if (!path->isList())
            return itemAt(list(self), path);
        for (tlogoobject* position : elements(list(path)))
            if (!position->isNumber())
                throw eLogoException(erBadStructure, path);
        ValueRef current(self);
        for (tlogoobject* position : elements(list(path))) {
            if (!current->isList())
                throw eLogoException(erExpectList, current.get());
            current = ValueRef(itemAt(list(current.get()), position));
        }
        return handOver(current.leak());
    }

    tLogoList* cellHolding(tlogoobject* self, tlogoobject* x)
    {
        for (tLogoList* cell = list(self); cell && cell->first(); cell = cell->rest())
            if (cell->first()->equals(x))
                return cell;
        return nullptr;
    }

    bool primIsMember(tlogoobject* self, tlogoobject* x) { return cellHolding(self, x) != nullptr; }

    int32_t primMember(tlogoobject* self, tlogoobject* x)
    {
        int32_t position = 1;
        for (tlogoobject* element : elements(list(self))) {
            if (element->equals(x))
                return position;
            ++position;
        }
        return 0;
    }

    tlogoobject* primFromMember(tlogoobject* self, tlogoobject* x)
    {
        tLogoList* cell = cellHolding(self, x);
        return cell ? cell : makeEmptyList();
    }

    tlogoobject* primPick(tlogoobject* self)
    {
        if (self->isEmpty())
            return emptyListAnswer(list(self));
        return cellAt(list(self), randomInRange(1, list(self)->count()))->first();
    }

} // namespace

std::span<const PrimitiveRow> listAccessRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0, ResultForm::Integer>("count", primCount),
        classOperation<0>("first", primFirst),
        classOperation<0>("last", primLast),
        classOperation<0>("butfirst", primButFirst),
        classOperation<0>("butlast", primButLast),
        classOperation<1>("item", primItem),
        classOperation<1>("deepitem", primDeepItem),
        classOperation<1, ResultForm::Truth>("member?", primIsMember),
        classOperation<1, ResultForm::Integer>("member", primMember),
        classOperation<1>("frommember", primFromMember),
        classOperation<0>("pick", primPick),
    };
    return rows;
}

} // namespace velmora
