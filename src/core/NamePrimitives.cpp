#include "core/NamePrimitives.h"

#include "interpreter/LogoLocaltab.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/Registration.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    // Entries a user has hidden from listings.
    constexpr uint8_t hiddenMarks = userMarkA | userMarkB;

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
        return state().currentObject->tryProc(name->nameCode(), 0);
    }

    bool primIsDefined(tlogoobject*, tlogoobject* name)
    {
        const tProcDesc* found = procedureFound(name);
        return found && found->isUserEntry;
    }

    bool primIsPrimitive(tlogoobject*, tlogoobject* name)
    {
        const tProcDesc* found = procedureFound(name);
        return found && !found->isUserEntry;
    }

    // The words made of `prefix` and the name of each listed entry of the table, in table order.
    tlogoobject* listing(const tLogoTab& table, std::string_view prefix, bool (*listed)(tTabDesc*))
    {
        ListBuilder names;
        table.forEachInOrder([&](tTabDesc* desc) {
            if (!(desc->flags & hiddenMarks) && listed(desc))
                names.append(makeWord(std::string(prefix) + desc->nameText()));
        });
        return names.finish();
    }

    tlogoobject* primProcs(tlogoobject*)
    {
        return listing(*state().currentObject->ownTable, "",
            [](tTabDesc* desc) { return desc->isProcedure() && desc->isUserEntry != 0; });
    }

    tlogoobject* primNames(tlogoobject*)
    {
        return listing(*state().globalVariables, ":",
            [](tTabDesc* desc) { return !desc->nameText().starts_with('@'); });
    }

} // namespace

void registerNamePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("define", etFun, primDefine),
        predicate<1>("name?", etFun, primIsName),
        predicate<1>("defined?", etFun, primIsDefined),
        predicate<1>("primitive?", etFun, primIsPrimitive),
        fixed<0>("procs", etFun, primProcs),
        fixed<0>("names", etFun, primNames),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
