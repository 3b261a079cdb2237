#include "core/NamePrimitives.h"

#include "interpreter/LogoLocaltab.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/Registration.h"
#include "localization/NameCodes.h"
#include "objects/EntryListing.h"
#include "values/ValueFactory.h"

#include <vector>

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    tlogoobject* primDefine(tlogoobject*, tlogoobject* name, tlogoobject* definition)
    {
        defineFromList(state().currentObject, name->nameCode(), definition);
        return nullptr;
    }

    // A variable with a value in the process's bindings or among the globals.
    bool primIsName(tlogoobject*, tlogoobject* name)
    {
        InterpreterState& s = state();
        const NameCode code = name->nameCode();
        if (tLogoVarDesc* local = s.localTable->binding(code))
            return local->value() != nullptr;
        return s.globalVariables->tryValue(code) != nullptr;
    }

    tProcDesc* procedureFound(tlogoobject* name)
    {
        return state().currentObject->tryProc(name->nameCode());
    }

    // The entry of the current object's own procedure table.
    tProcDesc* ownProcedure(tlogoobject* name)
    {
        return state().currentObject->ownTable->findProc(name->nameCode());
    }

    // The getter and setter commands of variables count as primitives, not as user procedures.
    template <tProcDesc* (*Found)(tlogoobject*)>
    bool primIsUserProcedure(tlogoobject*, tlogoobject* name)
    {
        const tProcDesc* found = Found(name);
        return found && isUserProcedure(*found);
    }

    template <tProcDesc* (*Found)(tlogoobject*)>
    bool primIsPrimitive(tlogoobject*, tlogoobject* name)
    {
        const tProcDesc* found = Found(name);
        return found && !isUserProcedure(*found);
    }

    bool isShown(const tTabDesc& desc) { return !(desc.flags & hiddenMarks); }
    bool isBuried(const tTabDesc& desc) { return (desc.flags & hiddenMarks) == buriedMark; }
    // Variables whose names begin with "@" are the system's own: listings leave them out.
    bool isUserVariable(const tTabDesc& desc) { return entryKind(desc) != EntryKind::Unlisted; }

    tlogoobject* primProcs(tlogoobject*)
    {
        ListBuilder names;
        appendNames(names, *state().currentObject->ownTable, "",
            [](const tTabDesc& desc) { return isShown(desc) && isUserProcedure(desc); });
        return names.finish();
    }

    tlogoobject* primNames(tlogoobject*)
    {
        ListBuilder names;
        appendNames(names, *state().globalVariables, ":",
            [](const tTabDesc& desc) { return isShown(desc) && isUserVariable(desc); });
        return names.finish();
    }

    // A user procedure of the current object, or, written with a leading ":", a global variable.
    tTabDesc* buriable(tlogoobject* name)
    {
        InterpreterState& s = state();
        const std::string& text = name->text();
        if (text.starts_with(':')) {
            const NameCode code = NameCodes::instance().intern(text.substr(1));
            if (tTabDesc* variable = s.globalVariables->find(code))
                return variable;
            throw eLogoException::withName(erNoVal, code);
        }
        tProcDesc* procedure = ownProcedure(name);
        if (procedure && isUserProcedure(*procedure))
            return procedure;
        throw eLogoException::withName(erDoNotKnowHowTo, name->nameCode());
    }

    // Every name is checked before any mark changes.
    std::vector<tTabDesc*> namedEntries(tlogoobject* names)
    {
        if (!names->isList())
            return { buriable(names) };
        std::vector<tTabDesc*> entries;
        for (tlogoobject* name : elements(static_cast<tLogoList*>(names)))
            entries.push_back(buriable(name));
        return entries;
    }

    tlogoobject* primBury(tlogoobject*, tlogoobject* names)
    {
        for (tTabDesc* desc : namedEntries(names))
            desc->flags |= buriedMark;
        return nullptr;
    }

    tlogoobject* primHide(tlogoobject*, tlogoobject* names)
    {
        for (tTabDesc* desc : namedEntries(names))
            desc->flags |= hiddenMark;
        return nullptr;
    }

    tlogoobject* primUnbury(tlogoobject*, tlogoobject* names)
    {
        for (tTabDesc* desc : namedEntries(names))
            desc->flags &= static_cast<uint8_t>(~buriedMark);
        return nullptr;
    }

    // The authoring environment's switch for showing buried entries; the player has none.
    tlogoobject* primSetBury(tlogoobject*, tlogoobject*) { return nullptr; }

    // The buried procedures of the current object, then the buried globals with their ":".
    tlogoobject* primBuried(tlogoobject*)
    {
        ListBuilder names;
        appendNames(names, *state().currentObject->ownTable, "",
            [](const tTabDesc& desc) { return isBuried(desc) && isUserProcedure(desc); });
        appendNames(names, *state().globalVariables, ":",
            [](const tTabDesc& desc) { return isBuried(desc) && isUserVariable(desc); });
        return names.finish();
    }

} // namespace

void registerNamePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("define", etFun, primDefine),
        predicate<1>("name?", etFun, primIsName),
        predicate<1>("defined?", etFun, primIsUserProcedure<procedureFound>),
        predicate<1>("primitive?", etFun, primIsPrimitive<procedureFound>),
        predicate<1>("mydefined?", etFun, primIsUserProcedure<ownProcedure>),
        predicate<1>("myprimitive?", etFun, primIsPrimitive<ownProcedure>),
        fixed<0>("procs", etFun, primProcs),
        fixed<0>("names", etFun, primNames),
        fixed<1>("bury", etFun, primBury),
        fixed<1>("unbury", etFun, primUnbury),
        fixed<0>("buried", etFun, primBuried),
        fixed<1>("setbury", etFun, primSetBury),
        fixed<1>(".hide", etFun, primHide),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
