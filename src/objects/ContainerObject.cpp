#include "objects/ContainerObject.h"

#include "interpreter/Evaluator.h"
#include "interpreter/RestoreOnExit.h"
#include "localization/EventCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "objects/ContainerPrimitives.h"
#include "objects/CreationChain.h"
#include "objects/CreationParameters.h"
#include "objects/EventRaising.h"
#include "objects/FirstFailure.h"
#include "objects/ObjectKind.h"
#include "objects/ObjectPairs.h"
#include "processes/AllThreads.h"
#include "processes/lThread.h"
#include "values/ValueFactory.h"

#include <algorithm>

namespace velmora {

namespace {

    NameCode codeOf(const std::string& name) { return NameCodes::instance().intern(name); }

    bool isEmptyList(tlogoobject* value) { return value->isList() && value->isEmpty(); }

    // The trailing decimal digits of a name: its numbering, which the base keeps apart.
    std::pair<std::string, int32_t> splitNumber(std::string name)
    {
        size_t digits = name.size();
        while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
            --digits;
        const std::string number = name.substr(digits);
        name.resize(digits);
        return { name, number.empty() || number.size() > 9 ? 0 : std::stoi(number) };
    }

    // A user procedure of one of the names ("create", "destroy"), the object's own or inherited,
    // runs as the object; the built-in name alone has nothing to run. Says whether one ran.
    bool runUserProcedure(tmultiobject* object, const std::vector<NameCode>& names)
    {
        InterpreterState* state = InterpreterState::current();
        if (!state)
            return false;
        for (NameCode code : names) {
            const tProcDesc* procedure = object->tryProc(code);
            if (!procedure || (procedure->flags & builtin))
                continue;
            RestoreOnExit<tlogoobject*> keep(state->currentObject);
            state->currentObject = object;
            ListBuilder call;
            call.append(ValueRef(makeWord(NameCodes::instance().nameOf(code))).get());
            ValueRef instructions(call.finish());
            evaluator::runValue(*state, instructions.get());
            return true;
        }
        return false;
    }

    // Every "onCreate" along the new object's chain runs as it, its classes' before its own.
    void runCreationHandlers(tmultiobject& object)
    {
        InterpreterState* state = InterpreterState::current();
        if (!state)
            return;
        const NameCode onCreate = EventCodes::instance().eventCode("onCreate");
        for (const ValueRef& handler : object.eventHandlersFromFarthest(onCreate))
            runHandlerInPlace(*state, object, handler.get());
    }

    void runEraseHandler(tmultiobject& object)
    {
        if (InterpreterState* state = InterpreterState::current())
            runEventInPlace(*state, object, EventCodes::instance().eventCode("onErase"));
    }

    // Who lists do not hold their objects: a gone one leaves an empty slot, which "each" skips.
    void forgetInWhoLists(tlogoobject* object)
    {
        InterpreterState* state = InterpreterState::current();
        if (!state)
            return;
        auto forget = [object](std::optional<InterpreterState::WhoList>& who) {
            if (who)
                std::replace(who->begin(), who->end(), object, static_cast<tlogoobject*>(nullptr));
        };
        forget(state->whoList);
        for (InterpreterState::AskEntry& entry : state->askStack)
            forget(entry.whoList);
    }

    // Whether the running process runs as the object, or will again when an "ask" ends.
    bool isRunningAs(const tmultiobject* object)
    {
        const InterpreterState* state = InterpreterState::current();
        if (!state)
            return false;
        if (state->currentObject == object)
            return true;
        for (const InterpreterState::AskEntry& entry : state->askStack)
            if (entry.object == object)
                return true;
        return false;
    }

    // Other processes may run as the object or hold it in their who lists, none of them with a
    // reference to it.
    bool mayBeInUse(const tmultiobject* object)
    {
        return isRunningAs(object)
            || tallthreads::instance().anyRunningExcept(tLogoprocess::current());
    }

} // namespace

tcontainerobject::tcontainerobject(
    const ObjectList& classes, std::string name, std::unique_ptr<tLogoVarTab> variables)
    : tcontainingcontrol(classes, std::move(name), std::move(variables))
{
    registerContainerPrimitives(procTable(), this);
}

// The objects of the table go while the table is still there to let go of them.
tcontainerobject::~tcontainerobject() { destroy(); }

tmultiobject* tcontainerobject::tableEntry(NameCode name)
{
    return static_cast<tmultiobject*>(m_objectTable.tryValue(name));
}

tcontainerobject* tcontainerobject::containerForClass(tmultiobject*) { return this; }

tmultiobject* tcontainerobject::classNamed(tlogoobject* name, errorConst notAClass)
{
    if (isEmptyList(name))
        return CreationChain::first();
    tlogoobject* found = findObject(name->nameCode());
    if (!found)
        throw eLogoException(erNoObject, name);
    auto* objectClass = dynamic_cast<tControlObject*>(found);
    if (!objectClass || (notAClass == erIvalidPrototypeMain && objectClass->isInstance))
        throw eLogoException(notAClass, name);
    return objectClass;
}

// The first free name base<n> with n above `number`. A search that starts inside the run of
// numbers known to be taken starts at its end instead, and moves the end to what it found taken, so
// that making many objects of one base tries each taken name once rather than once per object.
std::string tcontainerobject::freeName(std::string base, int32_t number)
{
    int32_t& takenUpTo = m_numbersTaken[codeOf(base)];
    const bool fromTakenRun = number <= takenUpTo;
    if (fromTakenRun)
        number = takenUpTo;
    std::string name;
    do
        name = base + std::to_string(++number);
    while (m_objectTable.tryValue(codeOf(name)));
    if (fromTakenRun)
        takenUpTo = number - 1;
    return name;
}

// A numbered name that leaves the table may end the run of taken numbers of its base there. The
// name is a copy: the entry may hold the last reference to the object that bears it.
void tcontainerobject::dropEntry(std::string name)
{
    m_objectTable.erase(codeOf(name));
    const auto [base, number] = splitNumber(name);
    const auto run = m_numbersTaken.find(codeOf(base));
    if (run != m_numbersTaken.end() && number <= run->second)
        run->second = std::max(number - 1, 0);
}

// A "name" pair is taken as given; a ".name" pair only while it is free, and otherwise numbered on
// from its trailing digits; without either, the class's "namePrefix" is numbered.
std::string tcontainerobject::nameFor(tmultiobject* objectClass, const ObjectPairs& given)
{
    if (tlogoobject* name = given.find("name"))
        return name->text();
    if (tlogoobject* name = given.find(".name")) {
        if (!m_objectTable.tryValue(name->nameCode()))
            return name->text();
        auto [base, number] = splitNumber(name->text());
        return freeName(base, number);
    }
    tlogoobject* prefix = objectClass->varTable().tryValue(codeOf("namePrefix"));
    return freeName(
        prefix ? prefix->printForm(false) : languageDictionary().firstDictionaryWord("Object"), 0);
}

// The process's current object when it can hold objects, else the nearest container on its
// place chain, else this container.
tcontainingcontrol* tcontainerobject::targetContainer() const
{
    InterpreterState* state = InterpreterState::current();
    auto* current = state ? dynamic_cast<tmultiobject*>(state->currentObject) : nullptr;
    for (tmultiobject* object = current; object; object = object->place())
        if (auto* containing = dynamic_cast<tcontainingcontrol*>(object))
            return containing;
    return const_cast<tcontainerobject*>(this);
}

tmultiobject* tcontainerobject::newObject(
    tlogoobject* classValue, tlogoobject* pairList, CreationForm form)
{
    tmultiobject* objectClass = classNamed(classValue, erIvalidPrototype);
    const ObjectPairs pairs(pairList, form);
    const ObjectKind* kind = objectClass->instanceKind;
    const std::string name = nameFor(objectClass, pairs);
    ValueRef held(
        kind ? kind->makeInstance(objectClass, name) : new tControlObject({ objectClass }, name));
    auto* object = static_cast<tControlObject*>(held.get());
    object->isInstance = true;
    // The object lives in the table of the container it is placed in: a turtle made from the
    // main window is the current page's.
    tcontainerobject* home = targetContainer()->containerForClass(objectClass);
    object->placeInto(home);
    object->inheritVariables(*objectClass);
    if (form == CreationForm::New || kind) {
        // A user "create" builds the object itself; otherwise the kind's own routine does.
        ValueRef given(pairs.asList());
        InitListScope initList(given.get());
        const bool userCreated = form == CreationForm::New
            && runUserProcedure(object, EventCodes::instance().createCodes());
        if (!userCreated && kind)
            kind->create(*object, initList);
        ObjectPairs::left(initList.remaining()).applyTo(*object);
    } else {
        pairs.applyTo(*object);
    }
    home->enter(object);
    if (form == CreationForm::New)
        runCreationHandlers(*object);
    return object;
}

tmultiobject* tcontainerobject::newClass(tlogoobject* parent, tlogoobject* name, tlogoobject* pairs)
{
    tmultiobject* parentClass = classNamed(parent, erIvalidPrototypeMain);
    if (!name->isWord() || name->text().empty())
        throw eLogoException(erInvalidObjName, name);
    ValueRef held(new tControlObject({ parentClass }, name->text()));
    auto* objectClass = static_cast<tControlObject*>(held.get());
    objectClass->instanceKind = parentClass->instanceKind;
    objectClass->placeInto(this);
    ObjectPairs(pairs, CreationForm::New).applyTo(*objectClass);
    objectClass->inheritVariables(*parentClass);
    enter(objectClass);
    return objectClass;
}

// An object of the same name goes, unless it is the class of others: then the new one does. Its
// "destroy" lets other processes run, and one of them may enter another object under the name
// meanwhile: that one goes too, so that no entry is overwritten while its object is still linked.
void tcontainerobject::enter(tControlObject* object)
{
    const NameCode code = codeOf(object->name());
    while (tmultiobject* old = tableEntry(code)) {
        if (old->hasInstancesOrSubclasses()) {
            object->destroy();
            throw eLogoException(erEraseDesc, old);
        }
        eraseEntry(static_cast<tControlObject*>(old));
    }
    m_objectTable.setVar(code, object);
    object->ownerContainer = this;
}

tmultiobject* tcontainerobject::erasableEntry(NameCode name) { return tableEntry(name); }

void tcontainerobject::eraseObject(tlogoobject* name, EraseMode mode)
{
    auto* object = static_cast<tControlObject*>(erasableEntry(name->nameCode()));
    if (!object)
        throw eLogoException(erNoObject, name);
    if (mode == EraseMode::RefuseClasses && object->hasInstancesOrSubclasses())
        throw eLogoException(erEraseDesc, name);
    tcontainerobject* owner = object->ownerContainer ? object->ownerContainer : this;
    owner->eraseEntry(object);
}

// An instance's "destroy" runs first, unless the whole container is going; while it runs, other
// processes may erase the object themselves, and then nothing is left to do here. An error of
// "destroy" is raised once the object is erased all the same. An object that a
// process may still run as is kept, unlinked, by the main object until it goes itself, so that no
// procedure running as it, and no "each" over a who list naming it, runs on freed memory.
void tcontainerobject::eraseEntry(tControlObject* object)
{
    FirstFailure failure;
    if (object->isInstance && !destroyed()) {
        failure.run([object] { runEraseHandler(*object); });
        failure.run([object] { runUserProcedure(object, EventCodes::instance().destroyCodes()); });
    }
    if (object->ownerContainer == this) {
        failure.run([object] { object->destroy(); });
        disown(object);
        tallthreads::instance().stopStartedAs(object, tLogoprocess::current());
        if (mayBeInUse(object))
            static_cast<tcontainerobject*>(CreationChain::first())->m_retired.emplace_back(object);
        dropEntry(object->name());
    }
    failure.rethrow();
}

void tcontainerobject::clearObjects()
{
    std::vector<ValueRef> objects;
    m_objectTable.forEachInOrder(
        [&objects](tTabDesc* entry) { objects.emplace_back(entry->value()); });
    for (const ValueRef& object : objects) {
        auto* control = static_cast<tControlObject*>(object.get());
        control->destroy();
        disown(control);
    }
    m_objectTable.eraseAll();
    m_numbersTaken.clear();
}

// The object no longer belongs here, and no who list names it.
void tcontainerobject::disown(tControlObject* object)
{
    object->ownerContainer = nullptr;
    forgetInWhoLists(object);
}

void tcontainerobject::renameEntry(tControlObject* object, std::string name)
{
    const NameCode code = codeOf(name);
    tmultiobject* holder = tableEntry(code);
    if (holder && holder != object)
        throw eLogoException(erObjNameDuplicate, name);
    ValueRef keep(object);
    dropEntry(object->name());
    object->tmultiobject::rename(std::move(name));
    m_objectTable.setVar(code, object);
}

void tControlObject::destroyEntry()
{
    if (ownerContainer)
        ownerContainer->eraseEntry(this);
    else
        destroy();
}

void tControlObject::rename(std::string name)
{
    if (name.empty())
        throw eLogoException(erInvalidObjName, name);
    if (ownerContainer)
        ownerContainer->renameEntry(this, std::move(name));
    else
        tmultiobject::rename(std::move(name));
}

} // namespace velmora
