#include "core/PropertyLists.h"

#include "localization/NameComparison.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/LogoList.h"

#include <algorithm>

namespace velmora {

namespace {

    std::string_view trimmed(std::string_view name)
    {
        const size_t first = name.find_first_not_of(' ');
        if (first == std::string_view::npos)
            return {};
        return name.substr(first, name.find_last_not_of(' ') - first + 1);
    }

    bool sameName(std::string_view stored, std::string_view given)
    {
        return currentNameComparison().equal(stored, trimmed(given));
    }

    template <typename Items> auto findNamed(Items& items, std::string_view name)
    {
        return std::find_if(items.begin(), items.end(),
            [&](const auto& item) { return sameName(item.name, name); });
    }

    bool isEmptyList(tlogoobject* value) { return value->isList() && value->isEmpty(); }

} // namespace

const PropertyLists::List* PropertyLists::find(std::string_view list) const
{
    const auto found = findNamed(m_lists, list);
    return found == m_lists.end() ? nullptr : &*found;
}

PropertyLists::List* PropertyLists::findList(std::string_view list)
{
    return const_cast<List*>(std::as_const(*this).find(list));
}

PropertyLists::List& PropertyLists::listFor(std::string_view list)
{
    if (List* found = findList(list))
        return *found;
    return m_lists.emplace_back(List { std::string(trimmed(list)), {} });
}

void PropertyLists::dropIfEmpty(std::string_view list)
{
    std::erase_if(m_lists,
        [&](const List& held) { return held.properties.empty() && sameName(held.name, list); });
}

void PropertyLists::put(std::string_view list, std::string_view property, tlogoobject* value)
{
    if (isEmptyList(value)) {
        remove(list, property);
        return;
    }
    std::vector<Property>& properties = listFor(list).properties;
    const auto found = findNamed(properties, property);
    if (found != properties.end())
        found->value = value;
    else
        properties.push_back({ std::string(trimmed(property)), value });
}

tlogoobject* PropertyLists::get(std::string_view list, std::string_view property) const
{
    const List* held = find(list);
    if (!held)
        return nullptr;
    const auto found = findNamed(held->properties, property);
    return found == held->properties.end() ? nullptr : found->value.get();
}

void PropertyLists::remove(std::string_view list, std::string_view property)
{
    if (List* held = findList(list)) {
        std::erase_if(
            held->properties, [&](const Property& item) { return sameName(item.name, property); });
        dropIfEmpty(list);
    }
}

// The pairs are checked before the list changes, so a refused list leaves the old one in place.
void PropertyLists::replace(std::string_view list, tLogoList* pairs)
{
    const std::vector<tlogoobject*> items = elementsOf(pairs);
    if (items.size() % 2 != 0)
        throw eLogoException(erEvenNumber, pairs);
    for (size_t i = 0; i < items.size(); i += 2)
        items[i]->text();
    if (List* held = findList(list))
        held->properties.clear();
    for (size_t i = 0; i < items.size(); i += 2)
        put(list, items[i]->text(), items[i + 1]);
    dropIfEmpty(list);
}

} // namespace velmora
