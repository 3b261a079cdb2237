#include "core/PropertyListPrimitives.h"

#include "core/InstructionText.h"
#include "core/MainObj.h"
#include "interpreter/Registration.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    PropertyLists& store(tlogoobject* owner)
    {
        return static_cast<tMainLogoObject*>(owner)->propertyLists();
    }

    // Names of lists and properties are words (error 8), never empty (error 5).
    const std::string& nameOf(tlogoobject* name)
    {
        const std::string& text = name->text();
        if (text.empty())
            throw eLogoException(erEmptyWord, name);
        return text;
    }

    tlogoobject* primPprop(
        tlogoobject* owner, tlogoobject* list, tlogoobject* property, tlogoobject* value)
    {
        store(owner).put(nameOf(list), nameOf(property), value);
        return nullptr;
    }

    // A missing property, like a missing list, reads as the empty list.
    tlogoobject* primGprop(tlogoobject* owner, tlogoobject* list, tlogoobject* property)
    {
        tlogoobject* value = store(owner).get(nameOf(list), nameOf(property));
        return value ? value : makeEmptyList();
    }

    tlogoobject* primRemprop(tlogoobject* owner, tlogoobject* list, tlogoobject* property)
    {
        store(owner).remove(nameOf(list), nameOf(property));
        return nullptr;
    }

    // Alternating properties and values; a list that does not exist is error 45.
    tlogoobject* primPlist(tlogoobject* owner, tlogoobject* list)
    {
        const PropertyLists::List* held = store(owner).find(nameOf(list));
        if (!held)
            throw eLogoException(erNoProperty, list);
        ListBuilder items;
        for (const PropertyLists::Property& property : held->properties) {
            items.append(makeWord(property.name));
            items.append(property.value.get());
        }
        return items.finish();
    }

    tlogoobject* primSetplist(tlogoobject* owner, tlogoobject* list, tlogoobject* pairs)
    {
        if (!pairs->isList())
            throw eLogoException(erExpectList, pairs);
        store(owner).replace(nameOf(list), static_cast<tLogoList*>(pairs));
        return nullptr;
    }

    tlogoobject* primProps(tlogoobject* owner)
    {
        ListBuilder names;
        for (const PropertyLists::List& list : store(owner).lists())
            names.append(makeWord(list.name));
        return names.finish();
    }

    // Every property as the "pprop" instruction that puts it back.
    tlogoobject* primPps(tlogoobject* owner)
    {
        std::string text;
        for (const PropertyLists::List& list : store(owner).lists())
            for (const PropertyLists::Property& property : list.properties)
                text += instructionLine("pprop",
                    { quoted(list.name), quoted(property.name),
                        readableInput(property.value.get()) });
        static_cast<tMainLogoObject*>(owner)->writeOutput(text);
        return nullptr;
    }

} // namespace

void registerPropertyListPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<3>("pprop", etFun, primPprop),
        fixed<2>("gprop", etFun, primGprop),
        fixed<2>("remprop", etFun, primRemprop),
        fixed<1>("plist", etFun, primPlist),
        fixed<2>("setplist", etFun, primSetplist),
        fixed<0>("props", etFun, primProps),
        fixed<0>("pps", etFun, primPps),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
