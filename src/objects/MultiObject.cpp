#include "objects/MultiObject.h"

#include "interpreter/Variables.h"
#include "localization/NameCodes.h"
#include "objects/ActiveToolButton.h"
#include "objects/CreationChain.h"
#include "objects/FirstFailure.h"
#include "objects/ObjectNames.h"
#include "objects/PropertyRegistration.h"
#include "objects/PseudoVariables.h"
#include "objects/VariableAccessors.h"
#include "values/ValueRef.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace velmora {

namespace {

    // Keeps the last occurrence of every element: what a nearer parent brought is found again
    // through a farther one, whose place in the order wins.
    template <typename T> void keepLastOccurrences(std::vector<T>& items)
    {
        std::vector<T> kept;
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            if (std::find(kept.begin(), kept.end(), *it) == kept.end())
                kept.push_back(*it);
        items.assign(kept.rbegin(), kept.rend());
    }

    template <typename T> void append(std::vector<T>& to, const std::vector<T>& from)
    {
        to.insert(to.end(), from.begin(), from.end());
    }

    template <typename T> void eraseOne(std::vector<T>& items, T item)
    {
        auto found = std::find(items.begin(), items.end(), item);
        if (found != items.end())
            items.erase(found);
    }

    tLogoVarDesc* findObjectVariable(tlogoobject* object, NameCode name)
    {
        auto* multiObject = dynamic_cast<tmultiobject*>(object);
        return multiObject ? multiObject->findVariable(name) : nullptr;
    }

    // A name that reads as a number, with either decimal separator, gets no accessors.
    bool readsAsNumber(std::string text)
    {
        std::replace(text.begin(), text.end(), ',', '.');
        char* end = nullptr;
        std::strtod(text.c_str(), &end);
        return !text.empty() && end == text.c_str() + text.size();
    }

} // namespace

tmultiobject::tmultiobject(
    const ObjectList& classes, std::string name, std::unique_ptr<tLogoVarTab> variables)
    : tlogoobject(ValueKind::Object)
    , m_procTable(std::make_unique<tLogoTab>())
    , m_varTable(std::move(variables))
    , m_name(std::move(name))
    , m_parents(classes)
    , m_classCount(static_cast<int32_t>(classes.size()))
{
    if (m_name.empty())
        throw eLogoException(erEmptyObjName);
    setObjectVariableFinder(findObjectVariable);
    ownTable = m_procTable.get();
    m_procTable->owner = this;
    m_varTable->owner = this;
    m_eventTable.owner = this;
    for (tmultiobject* parent : m_parents)
        parent->m_dependents.add(this);
    rebuildChains();
    CreationChain::append(this);
    instantiatePropertyPrototypes(*this);
}

tmultiobject::~tmultiobject()
{
    destroy();
    // Names resolved for this object must not be trusted for another at the same address.
    ResolutionStamp::advance();
}

void tmultiobject::appendPrintForm(std::string& out, bool) { out += m_name; }

void tmultiobject::appendSourceForm(std::string& out, bool) { out += m_name; }

const std::vector<tLogoTab*>& tmultiobject::chainFor(NameCode name) const
{
    const tTabDesc* root = m_chains.primitives.back()->find(name);
    const bool builtIn = root && (root->flags & builtin);
    return builtIn ? m_chains.primitives : m_chains.procedures;
}

tProcDesc* tmultiobject::searchChain(NameCode name, int32_t after, int32_t* foundAt) const
{
    const std::vector<tLogoTab*>& chain = chainFor(name);
    for (size_t position = static_cast<size_t>(std::max(after, 0)); position < chain.size();
         ++position)
        if (tProcDesc* desc = chain[position]->findProc(name)) {
            if (foundAt)
                *foundAt = static_cast<int32_t>(position) + 1;
            return desc;
        }
    return nullptr;
}

tProcDesc* tmultiobject::tryProc(NameCode name, int32_t* foundAt)
{
    return searchChain(name, 0, foundAt);
}

// A procedure run as this object was found at position `after` of its chain; the one it
// overrides is the next along the same chain.
tProcDesc* tmultiobject::findNextProc(int32_t after, NameCode name, int32_t* foundAt)
{
    if (tProcDesc* desc = searchChain(name, after, foundAt))
        return desc;
    throw eLogoException::withName(erUsual, name);
}

tlogoobject* tmultiobject::findObject(NameCode name)
{
    if (tmultiobject* entry = tableObject(name))
        return entry;
    return specialObject(this, name);
}

tmultiobject* tmultiobject::tableObject(NameCode name)
{
    if (tmultiobject* entry = tableEntry(name))
        return entry;
    for (tmultiobject* ancestor : m_chains.ancestors)
        if (tmultiobject* entry = ancestor->tableEntry(name))
            return entry;
    return nullptr;
}

tmultiobject* tmultiobject::tableEntry(NameCode) { return nullptr; }

bool tmultiobject::isClassOf(const tmultiobject* other) const
{
    const auto classesEnd = other->m_parents.begin() + other->m_classCount;
    return std::find(other->m_parents.begin(), classesEnd, this) != classesEnd;
}

bool tmultiobject::hasInstancesOrSubclasses() const
{
    return m_dependents.any([this](const tmultiobject* dependent) { return isClassOf(dependent); });
}

void tmultiobject::appendParent(Chains& chains, const tmultiobject* parent, bool isClass) const
{
    append(chains.variables, parent->m_chains.variables);
    append(chains.procedures, parent->m_chains.procedures);
    append(chains.events, parent->m_chains.events);
    if (isClass)
        append(chains.primitives, parent->m_chains.primitives);
    chains.ancestors.push_back(const_cast<tmultiobject*>(parent));
    append(chains.ancestors, parent->m_chains.ancestors);
}

tmultiobject::Chains tmultiobject::collectChains() const
{
    Chains chains { { m_procTable.get() }, { m_procTable.get() }, { m_varTable.get() },
        { const_cast<tLogoEventTab*>(&m_eventTable) }, {} };
    for (size_t i = static_cast<size_t>(m_classCount); i < m_parents.size(); ++i)
        appendParent(chains, m_parents[i], false);
    for (int32_t i = 0; i < m_classCount; ++i)
        appendParent(chains, m_parents[static_cast<size_t>(i)], true);
    if (m_place) {
        append(chains.variables, m_place->m_chains.variables);
        append(chains.procedures, m_place->m_chains.procedures);
        chains.ancestors.push_back(m_place);
        append(chains.ancestors, m_place->m_chains.ancestors);
    }
    keepLastOccurrences(chains.procedures);
    keepLastOccurrences(chains.primitives);
    keepLastOccurrences(chains.variables);
    keepLastOccurrences(chains.events);
    keepLastOccurrences(chains.ancestors);
    return chains;
}

void tmultiobject::rebuildChains()
{
    if (m_rebuilding)
        throw eLogoException(erLinkLoop, this);
    m_chains = collectChains();
    ResolutionStamp::advance();
    rebuildDependents();
}

void tmultiobject::rebuildDependents()
{
    struct Flag {
        bool& flag;
        explicit Flag(bool& f)
            : flag(f)
        {
            flag = true;
        }
        ~Flag() { flag = false; }
    } rebuilding(m_rebuilding);
    for (tmultiobject* dependent : m_dependents.snapshot())
        dependent->rebuildChains();
}

void tmultiobject::placeInto(tmultiobject* container)
{
    if (m_place == container)
        return;
    if (m_place)
        m_place->m_dependents.remove(this);
    m_place = container;
    if (container)
        container->m_dependents.add(this);
    rebuildChains();
}

// A special name that cannot be answered here ("myPlace" of an object without a place) denotes
// no actor: the call is then simply unknown.
tlogoobject* tmultiobject::defaultActor(NameCode name)
{
    try {
        auto* object = dynamic_cast<tmultiobject*>(findObject(name));
        return object && object->isInstance ? object : nullptr;
    } catch (const eLogoException&) {
        return nullptr;
    }
}

bool tmultiobject::hasParent(const tmultiobject* parent) const
{
    return std::find(m_parents.begin(), m_parents.end(), parent) != m_parents.end();
}

bool tmultiobject::hasBehaviour(tmultiobject* behaviour) const
{
    if (behaviour->isClassOf(this))
        throw eLogoException(erNotFoundObj, behaviour);
    return hasParent(behaviour);
}

bool tmultiobject::addBehaviour(tmultiobject* behaviour)
{
    if (hasParent(behaviour))
        return false;
    m_parents.push_back(behaviour);
    behaviour->m_dependents.add(this);
    try {
        rebuildChains();
    } catch (const eLogoException&) {
        removeParent(behaviour);
        rebuildChains();
        throw;
    }
    inheritVariables(*behaviour);
    return true;
}

void tmultiobject::removeBehaviour(tmultiobject* behaviour)
{
    if (!hasBehaviour(behaviour))
        return;
    removeParent(behaviour);
    rebuildChains();
}

tLogoVarDesc* tmultiobject::findVariable(NameCode name)
{
    for (tLogoTab* table : m_chains.variables)
        if (tTabDesc* found = table->find(name))
            return static_cast<tLogoVarDesc*>(found);
    return nullptr;
}

tlogoobject* tmultiobject::eventHandler(NameCode event) const
{
    for (tLogoTab* table : m_chains.events)
        if (tTabDesc* found = table->find(event))
            return found->value();
    return nullptr;
}

std::vector<ValueRef> tmultiobject::eventHandlersFromFarthest(NameCode event) const
{
    std::vector<ValueRef> handlers;
    for (auto table = m_chains.events.rbegin(); table != m_chains.events.rend(); ++table)
        if (tTabDesc* found = (*table)->find(event))
            handlers.emplace_back(found->value());
    return handlers;
}

void tmultiobject::setVariable(NameCode name, tlogoobject* value, VariableScope scope)
{
    const std::string& text = NameCodes::instance().nameOf(name);
    if (!text.empty() && text.front() == '@')
        throw eLogoException::withName(erWrongVarName, name);
    const bool created = !m_varTable->contains(name);
    if (scope == VariableScope::Common)
        m_varTable->setVarMarked(name, value);
    else
        m_varTable->setVar(name, value);
    if (created)
        makeAccessors(name);
    if (scope == VariableScope::Common)
        return;
    for (tmultiobject* dependent : m_dependents.snapshot())
        if (dependent->m_place != this && !dependent->m_varTable->contains(name))
            dependent->setVariable(name, value, VariableScope::Own);
}

void tmultiobject::makeAccessors(NameCode name)
{
    const std::string& text = NameCodes::instance().nameOf(name);
    if (readsAsNumber(text))
        return;
    const NameCode setter = NameCodes::instance().intern(setterName(text));
    if (!m_procTable->contains(name))
        m_procTable->registerDesc(new tGetFunc(name));
    if (!m_procTable->contains(setter))
        m_procTable->registerDesc(new tSetFunc(setter, name));
}

// Commands of the same names that are not the accessors (procedures the user defined over them)
// stay.
void tmultiobject::eraseAccessors(NameCode name)
{
    const NameCode setter
        = NameCodes::instance().find(setterName(NameCodes::instance().nameOf(name)));
    if (dynamic_cast<tGetFunc*>(m_procTable->find(name)))
        m_procTable->erase(name);
    if (setter && dynamic_cast<tSetFunc*>(m_procTable->find(setter)))
        m_procTable->erase(setter);
}

void tmultiobject::eraseVariable(NameCode name)
{
    if (dynamic_cast<tPseudoVarDesc*>(m_varTable->find(name)))
        throw eLogoException::withName(erCantEraseSetting, name);
    m_varTable->erase(name);
    eraseAccessors(name);
    for (tmultiobject* dependent : m_dependents.snapshot()) {
        const auto* copy = static_cast<tLogoVarDesc*>(dependent->m_varTable->find(name));
        if (dependent->m_place != this && copy && copy->variableKind != commonVariable)
            dependent->eraseVariable(name);
    }
}

void tmultiobject::inheritVariables(tmultiobject& from)
{
    if (&from == CreationChain::first())
        return;
    // Collected first: the walk holds the table order lock that entering a variable takes.
    std::vector<std::pair<NameCode, ValueRef>> missing;
    from.m_varTable->forEachInOrder([&](tTabDesc* variable) {
        auto* own = static_cast<tLogoVarDesc*>(variable);
        if (dynamic_cast<tPseudoVarDesc*>(own) || m_varTable->contains(own->name))
            return;
        if (own->value() && own->variableKind != commonVariable)
            missing.emplace_back(own->name, ValueRef(own->value()));
    });
    for (const auto& [name, value] : missing)
        setVariable(name, value.get(), VariableScope::Own);
}

void tmultiobject::removeParent(tmultiobject* parent)
{
    eraseOne(m_parents, parent);
    parent->m_dependents.remove(this);
}

// Every dependent leaves the list even when its "destroy" fails; the first error is kept.
void tmultiobject::destroyDependents(FirstFailure& failure)
{
    while (!m_dependents.empty()) {
        tmultiobject* dependent = m_dependents.last();
        if (dependent->m_place == this || isClassOf(dependent))
            failure.run([dependent] { dependent->destroyEntry(); });
        else
            dependent->removeBehaviour(this);
    }
}

void tmultiobject::destroy()
{
    if (std::exchange(m_destroyed, true))
        return;
    if (activeToolButton() == this)
        setActiveToolButton(nullptr);
    CreationChain::remove(this);
    FirstFailure failure;
    destroyDependents(failure);
    for (tmultiobject* parent : m_parents)
        parent->m_dependents.remove(this);
    m_parents.clear();
    m_classCount = 0;
    if (m_place)
        m_place->m_dependents.remove(this);
    m_place = nullptr;
    m_chains = Chains { { m_procTable.get() }, { m_procTable.get() }, { m_varTable.get() },
        { &m_eventTable }, {} };
    ResolutionStamp::advance();
    failure.rethrow();
}

} // namespace velmora
