#include "objects/PropertyRegistration.h"

#include "localization/PropertyRows.h"
#include "objects/MultiObject.h"
#include "objects/PseudoVariables.h"

#include <algorithm>

namespace velmora {

namespace {

    std::vector<NameCode> changedNames(const MethodProperty& property)
    {
        const PropertyRows& rows = PropertyRows::instance();
        std::vector<NameCode> names { rows.row(property.code).mainCode };
        for (int32_t code : property.alsoChanges)
            names.push_back(rows.row(code).mainCode);
        return names;
    }

    // Like the primitives, a property's commands cannot be redefined, nor overridden by a
    // behaviour.
    template <typename Command> Command* enter(tLogoTab& procedures, Command* command)
    {
        command->flags |= builtin;
        procedures.registerDesc(command);
        return command;
    }

    bool isPropertyCommand(const tTabDesc* desc)
    {
        return dynamic_cast<const PropertyGetter*>(desc)
            || dynamic_cast<const tPseudoVarCommand*>(desc);
    }

} // namespace

void registerMethodProperty(
    tmultiobject& owner, const MethodProperty& property, PropertyBinding binding)
{
    const PropertyRow& row = PropertyRows::instance().row(property.code);
    tLogoTab& procedures = *owner.ownTable;
    const std::vector<NameCode> changes = changedNames(property);
    const PropertyAccess access { property.code,
        enter(procedures, new tObjProcDesc(row.mainCode, property.getter)),
        enter(procedures, new tPseudoVarObjCommand(row.setterCode, changes, property.setter)) };
    for (NameCode name : row.getterCodes())
        if (name != row.mainCode)
            enter(procedures, new tObjProcDesc(name, property.getter));
    for (NameCode name : row.setterCodes())
        if (name != row.setterCode)
            enter(procedures, new tPseudoVarObjCommand(name, changes, property.setter));
    if (binding == PropertyBinding::Object)
        owner.varTable().registerDesc(
            new tPseudoVarDesc(row.mainCode, property.flags, access, owner));
    else
        owner.propertyPrototypes.push_back(
            std::make_unique<tPseudoVarPrototype>(row.mainCode, property.flags, access));
}

void declarePropertiesChanged(tmultiobject& object, std::span<const int32_t> codes)
{
    const PropertyRows& rows = PropertyRows::instance();
    for (int32_t code : codes) {
        const NameCode name = rows.row(code).mainCode;
        clearDoNotSave(object, { &name, 1 });
    }
}

// The pseudo-variables of objects already made from the class keep the commands: a class
// removes a property while it is built, before any object is made from it.
void removeProperty(tmultiobject& owner, int32_t code)
{
    const PropertyRow& row = PropertyRows::instance().row(code);
    std::erase_if(owner.propertyPrototypes,
        [code](const auto& prototype) { return prototype->code() == code; });
    if (dynamic_cast<tPseudoVarDesc*>(owner.varTable().find(row.mainCode)))
        owner.varTable().erase(row.mainCode);
    std::vector<NameCode> names = row.getterCodes();
    names.push_back(row.mainCode);
    for (NameCode name : row.setterCodes())
        names.push_back(name);
    for (NameCode name : names)
        if (isPropertyCommand(owner.ownTable->find(name)))
            owner.ownTable->erase(name);
}

void instantiatePropertyPrototypes(tmultiobject& object)
{
    std::vector<const tmultiobject*> classes;
    for (const tmultiobject* objectClass = object.firstClass(); objectClass;
         objectClass = objectClass->firstClass())
        classes.push_back(objectClass);
    for (auto objectClass = classes.rbegin(); objectClass != classes.rend(); ++objectClass)
        for (const auto& prototype : (*objectClass)->propertyPrototypes)
            object.varTable().registerDesc(prototype->bind(object));
}

} // namespace velmora
