#include "core/AskPrimitives.h"

#include "interpreter/AskStack.h"
#include "interpreter/Evaluator.h"
#include "interpreter/Registration.h"
#include "localization/NameCodes.h"
#include "objects/AskTable.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    tlogoobject* objectNamed(InterpreterState& s, tlogoobject* name)
    {
        if (tlogoobject* object = s.currentObject->findObject(name->nameCode()))
            return object;
        throw eLogoException(erNoObject, name);
    }

    // A word names one object, a list several; anything else is error 6.
    InterpreterState::WhoList objectsOf(InterpreterState& s, tlogoobject* objects)
    {
        if (objects->isWord())
            return { objectNamed(s, objects) };
        if (!objects->isList())
            throw eLogoException(erExpectList, objects);
        InterpreterState::WhoList who;
        for (tlogoobject* name : elements(static_cast<tLogoList*>(objects)))
            who.push_back(objectNamed(s, name));
        return who;
    }

    // The ask table that every object of the who list answers to; error 54 when they differ.
    tLogoTab* sharedAskTable(const InterpreterState::WhoList& who, tlogoobject* objects)
    {
        if (who.empty())
            return nullptr;
        tLogoTab* table = askTableOf(who.front());
        for (tlogoobject* object : who)
            if (askTableOf(object) != table)
                throw eLogoException(erIncopatible, objects);
        return table;
    }

    void addressWhoList(InterpreterState& s, InterpreterState::WhoList who, tlogoobject* objects)
    {
        s.currentTable = sharedAskTable(who, objects);
        s.whoList = std::move(who);
    }

    // With one object, it becomes the current object; with several they become the who list.
    ValueRef askRun(tlogoobject* objects, tlogoobject* list, CallForm form)
    {
        InterpreterState& s = state();
        InterpreterState::WhoList who = objectsOf(s, objects);
        AskScope scope(s, who.size() == 1 ? who.front() : nullptr);
        if (who.size() != 1)
            addressWhoList(s, std::move(who), objects);
        if (form == CallForm::Operation)
            return evaluator::evaluateValue(s, list);
        evaluator::runValue(s, list);
        return {};
    }

    tlogoobject* runAsk(tlogoobject*, tlogoobject* objects, tlogoobject* list)
    {
        askRun(objects, list, CallForm::Command);
        return nullptr;
    }

    tlogoobject* evaluateAsk(tlogoobject*, tlogoobject* objects, tlogoobject* list)
    {
        return handOver(askRun(objects, list, CallForm::Operation).leak());
    }

    // Runs the list once as each object of the who list; empty slots are skipped.
    void runAsEach(InterpreterState& s, const InterpreterState::WhoList& who, tlogoobject* list)
    {
        for (tlogoobject* object : who) {
            if (!object)
                continue;
            AskScope scope(s, object);
            evaluator::runValue(s, list);
            if (s.stopFlag)
                return;
        }
    }

    tlogoobject* primAskEach(tlogoobject*, tlogoobject* objects, tlogoobject* list)
    {
        InterpreterState& s = state();
        InterpreterState::WhoList who = objectsOf(s, objects);
        AskScope scope(s);
        addressWhoList(s, who, objects);
        runAsEach(s, who, list);
        return nullptr;
    }

    tlogoobject* primTell(tlogoobject*, tlogoobject* objects)
    {
        InterpreterState& s = state();
        if (!s.askStack.empty())
            throw eLogoException(erWrongPlaceAsk, objects);
        addressWhoList(s, objectsOf(s, objects), objects);
        return nullptr;
    }

    tlogoobject* primEach(tlogoobject*, tlogoobject* list)
    {
        InterpreterState& s = state();
        if (!s.whoList) {
            evaluator::runValue(s, list);
            return nullptr;
        }
        const InterpreterState::WhoList who = *s.whoList;
        runAsEach(s, who, list);
        return nullptr;
    }

    tlogoobject* nameOf(tlogoobject* object) { return makeWord(object->printForm(false)); }

    // The who list's names (one: a word); inside "ask" without one, the asked object's name.
    tlogoobject* primWho(tlogoobject*)
    {
        InterpreterState& s = state();
        if (!s.whoList)
            return s.askStack.empty() ? static_cast<tlogoobject*>(makeEmptyList())
                                      : nameOf(s.currentObject);
        if (s.whoList->size() == 1 && s.whoList->front())
            return nameOf(s.whoList->front());
        ListBuilder names;
        for (tlogoobject* object : *s.whoList)
            if (object)
                names.append(ValueRef(nameOf(object)).get());
        return names.finish();
    }

} // namespace

void registerAskPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        commandOrOperation<2>("ask", etFun, runAsk, evaluateAsk),
        fixed<2>("askeach", etFun, primAskEach),
        fixed<1>("tell", etFun, primTell),
        fixed<1>("each", etFun, primEach),
        fixed<0>("who", etFun, primWho),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
