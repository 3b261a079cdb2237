// Positions in a word: "item", "butitem" and "replace".
//
// A position is a number (from 1) or a range [from count]; a range that starts before the word
// keeps only its part inside it ([-1 4] is [1 2]). "item" also takes a list of such specs and
// gives the concatenation of all. With the strictness level at 0 a position outside the word
// gives the empty word instead of an error.
#include "core/WordOperations.h"

#include "core/ClassOperationRows.h"
#include "values/CountLimit.h"
#include "values/Errors.h"
#include "values/Strictness.h"
#include "values/ValueFactory.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

    struct Range {
        int64_t from; // position of the first character, from 1; may lie before the word
        int64_t count;
    };

    tLogoList* list(tlogoobject* value) { return static_cast<tLogoList*>(value); }

    int64_t length(const std::string& text) { return static_cast<int64_t>(text.size()); }

    // [from count]; error 12 when either is no number.
    Range rangeOf(tLogoList* spec)
    {
        return { spec->first()->asInteger(), spec->rest()->first()->asInteger() };
    }

    bool isRange(tlogoobject* spec)
    {
        return spec->isList() && list(spec)->count() == 2 && list(spec)->first()->isNumber()
            && list(spec)->rest()->first()->isNumber();
    }

    bool liesInside(Range range, const std::string& text)
    {
        return range.from >= 1 && range.from + range.count - 1 <= length(text);
    }

    // Where the part of the range inside the text begins and ends, as indices.
    struct Bounds {
        size_t start;
        size_t end;
    };
    Bounds boundsIn(const std::string& text, Range range)
    {
        const int64_t start = std::clamp<int64_t>(range.from - 1, 0, length(text));
        const int64_t end = std::clamp<int64_t>(range.from - 1 + range.count, start, length(text));
        return { static_cast<size_t>(start), static_cast<size_t>(end) };
    }

    std::string charactersIn(const std::string& text, Range range)
    {
        const Bounds bounds = boundsIn(text, range);
        return text.substr(bounds.start, bounds.end - bounds.start);
    }

    // The text with the characters of the range (the part inside the text) replaced by `inserted`.
    std::string spliced(const std::string& text, Range range, std::string_view inserted = {})
    {
        const Bounds bounds = boundsIn(text, range);
        requireWordLength(text.size() - (bounds.end - bounds.start) + inserted.size());
        std::string result = text.substr(0, bounds.start);
        result += inserted;
        result += std::string_view(text).substr(bounds.end);
        return result;
    }

    // A single position: with a strictness level above 0 the word must not be empty (error 5)
    // and the position must lie in it (error 26).
    std::string characterAt(tlogoobject* self, tlogoobject* spec)
    {
        const std::string& text = self->text();
        if (strictLevel() == 0)
            return charactersIn(text, { spec->asInteger(), 1 });
        if (text.empty())
            throw eLogoException(erEmptyWord, self);
        return charactersIn(text, { spec->intInRange(1, static_cast<int32_t>(text.size())), 1 });
    }

    // One element of a list of specs: a number or a [from count] list (error 6 for anything
    // else, 13 for a list of another length); outside the word error 9 when strict.
    Range partOf(const std::string& text, tlogoobject* element)
    {
        Range range {};
        if (element->isList()) {
            if (list(element)->count() != 2)
                throw eLogoException(erExpectList2, element);
            range = rangeOf(list(element));
        } else if (element->isNumber()) {
            range = { element->asInteger(), 1 };
        } else {
            throw eLogoException(erExpectList, element);
        }
        if (strictLevel() > 0 && !liesInside(range, text))
            throw eLogoException(erBadValue, element);
        return range;
    }

    // The parts are all found, and their length checked, before the first is copied.
    std::string itemsOf(const std::string& text, tlogoobject* specs)
    {
        if (isRange(specs))
            return charactersIn(text, rangeOf(list(specs)));
        std::vector<Bounds> parts;
        size_t length = 0;
        for (tlogoobject* element : elements(list(specs))) {
            parts.push_back(boundsIn(text, partOf(text, element)));
            length += parts.back().end - parts.back().start;
        }
        requireWordLength(length);
        std::string result;
        result.reserve(length);
        for (const Bounds& part : parts)
            result.append(text, part.start, part.end - part.start);
        return result;
    }

    tlogoobject* primItem(tlogoobject* self, tlogoobject* spec)
    {
        if (spec->isList())
            return makeWord(itemsOf(self->text(), spec));
        if (spec->isNumber())
            return makeWord(characterAt(self, spec));
        throw eLogoException(erMinMax, 1, static_cast<int32_t>(self->text().size()), spec);
    }

    // What "butitem" and "replace" remove: the character at a position of at least 1, or a
    // [from count] range (error 13 for another list, 12 for anything else).
    Range removedBy(tlogoobject* spec)
    {
        if (spec->isList()) {
            if (list(spec)->count() != 2)
                throw eLogoException(erExpectList2, spec);
            return rangeOf(list(spec));
        }
        if (!spec->isNumber())
            throw eLogoException(erExpectNumber, spec);
        return { spec->intInRange(1, INT32_MAX), 1 };
    }

    tlogoobject* primButItem(tlogoobject* self, tlogoobject* spec)
    {
        return makeWord(spliced(self->text(), removedBy(spec)));
    }

    // A range that starts before the word removes nothing and inserts at the front.
    tlogoobject* primReplace(tlogoobject* self, tlogoobject* spec, tlogoobject* value)
    {
        Range range = removedBy(spec);
        if (range.from < 1)
            range = { 1, 0 };
        return makeWord(spliced(self->text(), range, value->text()));
    }

} // namespace

std::span<const PrimitiveRow> wordPositionRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<1>("item", primItem),
        classOperation<1>("butitem", primButItem),
        classOperation<2>("replace", primReplace),
    };
    return rows;
}

} // namespace velmora
