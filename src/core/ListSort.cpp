// "sort" of a list: a stable merge sort on two keys per element.
//
// The numeric key of a number is its value, of a list the numbers it begins with; the text key
// is the print form in brackets, upper-cased. Elements compare by numeric keys over the positions
// both have; when those agree and both elements are wholly numeric, the one with fewer numbers
// comes first; otherwise the text keys decide in byte order. So numbers sort numerically, words
// alphabetically without regard to case, and [1 2] comes before [1 2 3] before [1 5].
#include "core/ListOperationRows.h"
#include "localization/NameComparison.h"
#include "values/ListHelpers.h"

#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

    struct SortKey {
        tlogoobject* element;
        std::vector<LogoReal> numbers;
        bool whollyNumeric;
        std::string text;
    };

    SortKey sortKeyOf(tlogoobject* element)
    {
        SortKey key { element, {}, true, currentNameComparison().folded(element->printForm(true)) };
        if (element->isNumber()) {
            key.numbers.push_back(element->asReal());
        } else if (element->isList()) {
            for (tlogoobject* part : elements(static_cast<tLogoList*>(element))) {
                if (!part->isNumber()) {
                    key.whollyNumeric = false;
                    break;
                }
                key.numbers.push_back(part->asReal());
            }
        } else {
            key.whollyNumeric = false;
        }
        return key;
    }

    bool sortsBefore(const SortKey& a, const SortKey& b)
    {
        const size_t common = std::min(a.numbers.size(), b.numbers.size());
        for (size_t i = 0; i < common; ++i)
            if (a.numbers[i] != b.numbers[i])
                return a.numbers[i] < b.numbers[i];
        if (a.whollyNumeric && b.whollyNumeric)
            return a.numbers.size() < b.numbers.size();
        return a.text < b.text;
    }

    // Top-down merge sort; on equal keys the left run goes first, which keeps it stable.
    void mergeSort(
        std::vector<SortKey>& keys, size_t begin, size_t end, std::vector<SortKey>& spare)
    {
        if (end - begin < 2)
            return;
        const size_t middle = begin + (end - begin) / 2;
        mergeSort(keys, begin, middle, spare);
        mergeSort(keys, middle, end, spare);
        spare.clear();
        size_t left = begin, right = middle;
        while (left < middle && right < end)
            spare.push_back(
                std::move(sortsBefore(keys[right], keys[left]) ? keys[right++] : keys[left++]));
        std::move(keys.begin() + left, keys.begin() + middle, std::back_inserter(spare));
        std::move(keys.begin() + right, keys.begin() + end, std::back_inserter(spare));
        std::move(spare.begin(), spare.end(), keys.begin() + begin);
    }

    tlogoobject* primSort(tlogoobject* self)
    {
        auto* unsorted = static_cast<tLogoList*>(self);
        if (!unsorted->first() || !unsorted->rest() || !unsorted->rest()->first())
            return self;
        std::vector<SortKey> keys;
        for (tlogoobject* element : elements(unsorted))
            keys.push_back(sortKeyOf(element));
        std::vector<SortKey> spare;
        mergeSort(keys, 0, keys.size(), spare);
        std::vector<tlogoobject*> sorted;
        for (const SortKey& key : keys)
            sorted.push_back(key.element);
        return listOf(sorted);
    }

} // namespace

std::span<const PrimitiveRow> listSortRows()
{
    static constexpr PrimitiveRow rows[] = { classOperation<0>("sort", primSort) };
    return rows;
}

} // namespace velmora
