#include "core/EntryPrimitives.h"

#include "core/InstructionText.h"
#include "core/MainObj.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/Registration.h"
#include "localization/NameCodes.h"
#include "objects/EntryListing.h"
#include "objects/PrefixWords.h"
#include "objects/RunningObject.h"
#include "objects/VariableAccessors.h"
#include "values/LogoList.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    enum class Target { Procedure, Variable, Global, Event, Object };

    struct Entry {
        Target target;
        NameCode name;
    };

    // "setting" and "properties" name entries that this system keeps in no table.
    constexpr PrefixMeaning<Target> targets[] = {
        { PrefixWord::Own, Target::Variable },
        { PrefixWord::Var, Target::Variable },
        { PrefixWord::Variable, Target::Variable },
        { PrefixWord::Common, Target::Variable },
        { PrefixWord::Global, Target::Global },
        { PrefixWord::Event, Target::Event },
        { PrefixWord::Object, Target::Object },
        { PrefixWord::Procedure, Target::Procedure },
        { PrefixWord::Define, Target::Procedure },
    };

    // A plain name is a procedure, ":name" a variable.
    Entry entryNamed(tlogoobject* name)
    {
        const PrefixedName read = readPrefixedName(name);
        const std::string& text = name->text();
        if (!read.prefix && text.size() > 1 && text.front() == ':')
            return { Target::Variable, NameCodes::instance().intern(text.substr(1)) };
        return { meaningOf(targets, read, Target::Procedure, name), read.name };
    }

    template <typename Act> void forEachNamed(tlogoobject* names, Act act)
    {
        if (!names->isList()) {
            act(entryNamed(names));
            return;
        }
        for (tlogoobject* name : elements(static_cast<tLogoList*>(names)))
            act(entryNamed(name));
    }

    const std::string& textOf(NameCode name) { return NameCodes::instance().nameOf(name); }

    std::string variableLine(tLogoVarDesc& variable, std::string_view maker)
    {
        tlogoobject* value = variable.value();
        if (!value)
            throw eLogoException::withName(erNoVal, variable.name);
        return instructionLine(maker, { quoted(variable.nameText()), readableInput(value) });
    }

    // An object's own and common variables are made again as they were made; globals by "make".
    std::string objectVariableLine(tLogoVarDesc& variable)
    {
        const EntryKind kind = entryKind(variable);
        return variableLine(variable,
            kind == EntryKind::Own          ? "haveown"
                : kind == EntryKind::Common ? "havecommon"
                                            : "make");
    }

    // The variable the running code sees: its local, else its object's along the chain.
    std::string seenVariableLine(NameCode name)
    {
        if (tLogoVarDesc* local = state().localTable->binding(name))
            return variableLine(*local, "make");
        if (tLogoVarDesc* variable = runningObject().findVariable(name))
            return objectVariableLine(*variable);
        throw eLogoException::withName(erNoVal, name);
    }

    std::string procedureText(NameCode name)
    {
        tProcDesc* procedure = runningObject().tryProc(name);
        if (!procedure)
            throw eLogoException::withName(erDoNotKnowHowTo, name);
        if (dynamic_cast<tGetFunc*>(procedure))
            return seenVariableLine(name);
        std::string text = procedure->valueText();
        return text.empty() || text.ends_with("\r\n") ? text : text + "\r\n";
    }

    // An instance as the "new" that makes it again, a class as the "newclass".
    std::string creationLine(const tmultiobject& object)
    {
        const tmultiobject* objectClass = object.firstClass();
        const bool derivesFromMain = !objectClass || !objectClass->firstClass();
        const std::string parent = derivesFromMain ? "[]" : quoted(objectClass->name());
        if (object.isInstance)
            return instructionLine("new", { parent, "[name " + object.name() + "]" });
        return instructionLine("newclass", { parent, quoted(object.name()), "[]" });
    }

    std::string printedForm(const Entry& entry)
    {
        switch (entry.target) {
        case Target::Procedure:
            return procedureText(entry.name);
        case Target::Variable:
            return seenVariableLine(entry.name);
        case Target::Global:
            return objectVariableLine(
                *static_cast<tLogoVarDesc*>(state().globalVariables->get(entry.name)));
        case Target::Event:
            return instructionLine("setevent",
                { quoted(textOf(entry.name)),
                    readableInput(runningObject().eventTable().getValue(entry.name)) });
        case Target::Object:
            return creationLine(objectNamed(ValueRef(makeWord(textOf(entry.name))).get()));
        }
        return {};
    }

    tlogoobject* primPo(tlogoobject* owner, tlogoobject* names)
    {
        std::string text;
        forEachNamed(names, [&text](const Entry& entry) { text += printedForm(entry); });
        static_cast<tMainLogoObject*>(owner)->writeOutput(text);
        return nullptr;
    }

    // A getter erases its variable instead; a primitive, or a procedure that is running, stays.
    void eraseProcedure(NameCode name)
    {
        tLogoTab& procedures = *runningObject().ownTable;
        tTabDesc* own = procedures.find(name);
        if (dynamic_cast<tGetFunc*>(own))
            return runningObject().eraseVariable(name);
        if (own && isUserProcedure(*own)) {
            if (static_cast<tProcDesc*>(own)->running > 0)
                throw eLogoException::withName(erCannotEraseProcIsRunning, name);
            return procedures.erase(name);
        }
        if (own || runningObject().tryProc(name))
            throw eLogoException::withName(erCannotEraseProcIsPrim, name);
        throw eLogoException::withName(erDoNotKnowHowTo, name);
    }

    // The globals are the main object's own variables.
    tmultiobject& mainObject()
    {
        return *static_cast<tmultiobject*>(state().globalVariables->owner);
    }

    // A local loses its value; otherwise the running object's own variable goes.
    void eraseVariable(NameCode name)
    {
        if (tLogoVarDesc* local = state().localTable->binding(name))
            return release(local->takeValue());
        runningObject().eraseVariable(name);
    }

    void eraseEvent(NameCode name)
    {
        tLogoEventTab& handlers = runningObject().eventTable();
        handlers.getValue(name);
        handlers.erase(name);
    }

    // Objects that are no containers hold no objects to erase.
    void eraseObject(NameCode name)
    {
        ValueRef word(makeWord(textOf(name)));
        auto* container = dynamic_cast<tcontainerobject*>(&runningObject());
        if (!container)
            throw eLogoException(erNoObject, word.get());
        container->eraseObject(word.get(), EraseMode::RefuseClasses);
    }

    void erase(const Entry& entry)
    {
        switch (entry.target) {
        case Target::Procedure:
            return eraseProcedure(entry.name);
        case Target::Variable:
            return eraseVariable(entry.name);
        case Target::Global:
            return mainObject().eraseVariable(entry.name);
        case Target::Event:
            return eraseEvent(entry.name);
        case Target::Object:
            return eraseObject(entry.name);
        }
    }

    tlogoobject* primErase(tlogoobject*, tlogoobject* names)
    {
        forEachNamed(names, erase);
        endIfRunningObjectErased();
        return nullptr;
    }

} // namespace

void registerEntryPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<1>("po", etFun, primPo),
        fixed<1>("erase", etFun, primErase),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
