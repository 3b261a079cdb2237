// tmultiobject: an object with parents, its own tables and the lookup chains made from them.
//
// Parents come in order: the classes given at creation first, then the behaviours added later.
// Dependents are the objects that name this one as a parent and the objects placed in it. Name
// resolution never walks the parents: each object keeps its chains of tables precomputed, and
// rebuilds them (and those of all its dependents) whenever its parents or its place change, so a
// lookup is one pass over a short array. Objects are shared by all processes and touched only
// under the interpreter lock.
#pragma once

#include "interpreter/LogoVarTab.h"
#include "objects/DependentList.h"
#include "objects/KeyMenu.h"
#include "values/Errors.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

class FirstFailure;
class ObjectKind;
class tPseudoVarPrototype;

// Own variables are copied into the dependents that have none; a common variable stays in its
// object, where the dependents see it through their chains.
enum class VariableScope { Own, Common };
// The `variableKind` of a common variable.
constexpr uint8_t commonVariable = 1;

class tmultiobject : public tlogoobject {
public:
    using ObjectList = std::vector<tmultiobject*>;

    ~tmultiobject() override;

    tlogoobject* copy() override { return this; }
    std::string_view className() const override { return "object"; }
    // An object prints as its name.
    void appendPrintForm(std::string& out, bool bracketed) override;
    void appendSourceForm(std::string& out, bool bracketed) override;
    // A built-in name is looked up along the primitive chain, so that only a class can replace a
    // primitive; any other name along the procedure chain. Positions count from 1, the object's
    // own table.
    tProcDesc* tryProc(NameCode name, int32_t* foundAt = nullptr) override;
    tProcDesc* findNextProc(int32_t after, NameCode name, int32_t* foundAt) override;
    // Object tables of this object and its ancestors, then the special names and "#N"; none when
    // the name is unknown. Special names that cannot be answered raise their own errors.
    tlogoobject* findObject(NameCode name) override;
    // The object a name denotes in the object tables of this object and of its ancestors, in
    // order, special names aside; none when no table holds it.
    tmultiobject* tableObject(NameCode name);
    tlogoobject* defaultActor(NameCode name) override;
    // The entry of this object's object table; containers only.
    virtual tmultiobject* tableEntry(NameCode name);

    const std::string& name() const { return m_name; }
    tLogoVarTab& varTable() { return *m_varTable; }
    tLogoTab& procTable() { return *m_procTable; }
    tLogoEventTab& eventTable() { return m_eventTable; }
    tmultiobject* place() const { return m_place; }
    tmultiobject* firstClass() const { return m_classCount > 0 ? m_parents.front() : nullptr; }
    const ObjectList& parents() const { return m_parents; }
    // Parents below this index are classes, the rest behaviours.
    size_t classCount() const { return static_cast<size_t>(m_classCount); }
    // The objects that depend on this one, as they are now.
    ObjectList dependents() const { return m_dependents.snapshot(); }
    // Whether `other` names this object as one of its classes (not as a behaviour).
    bool isClassOf(const tmultiobject* other) const;
    // Whether `behaviour` is one of the object's behaviours; error 134 when it is one of its
    // classes, which no one can take away.
    bool hasBehaviour(tmultiobject* behaviour) const;
    bool hasInstancesOrSubclasses() const;
    bool isInstance = false; // made by "new" and its forms, not by "newclass"

    // Error 184 when a parent cycle makes the object its own ancestor.
    void rebuildChains();
    void placeInto(tmultiobject* container);
    // The behaviour's variables that the object has none of are copied in. Nothing happens when
    // `behaviour` already is a parent (false); error 184 leaves the parents as they were.
    bool addBehaviour(tmultiobject* behaviour);
    // Error 134 when `behaviour` is one of the object's classes.
    void removeBehaviour(tmultiobject* behaviour);
    // Destroys the objects whose class or place this is, drops this object from the behaviours
    // of its other dependents and unlinks it from its parents, its place and the creation chain.
    // An error of a dependent's "destroy" is raised once all that is done.
    virtual void destroy();
    bool destroyed() const { return m_destroyed; }
    // Destroys the object through whatever holds it (its container's table).
    virtual void destroyEntry() { destroy(); }
    // The variable this object sees along its chain, or none.
    tLogoVarDesc* findVariable(NameCode name);
    // The handler of the first table along the event chain that has the event, or none. An
    // empty handler is returned as it is: whoever raises the event treats it as none.
    tlogoobject* eventHandler(NameCode event) const;
    // Every handler of the event along the chain, the farthest table's first (a class's before
    // its instance's).
    std::vector<ValueRef> eventHandlersFromFarthest(NameCode event) const;
    // Sets the object's own or common variable; a new one gets its getter and setter commands
    // (none for a name that reads as a number), and a new own one is copied into the dependents
    // that are not merely placed here. Error 127 for a name beginning with "@".
    void setVariable(NameCode name, tlogoobject* value, VariableScope scope);
    // Erases the object's own variable with its getter and setter commands, and the own copies
    // of its dependents that are not merely placed here. Error 24 when the object has none, 183
    // for a property's pseudo-variable.
    void eraseVariable(NameCode name);
    // Copies the variables of `from` that this object has none of, properties aside; the main
    // object's globals are seen through the chains instead.
    void inheritVariables(tmultiobject& from);
    // Renames the object; containers keep their tables in step.
    virtual void rename(std::string name) { m_name = std::move(name); }

    KeyMenu keyMenu; // property 176, every object's
    bool frozen = false; // property 178: the user may not move or resize it
    // Templates of the pseudo-variables that the objects made from this class (and from its
    // subclasses) get bound to themselves, in registration order.
    std::vector<std::unique_ptr<tPseudoVarPrototype>> propertyPrototypes;

    // What "new" makes of this class: a prototype's kind, inherited by the classes made from it.
    const ObjectKind* instanceKind = nullptr;

    tmultiobject* prevCreated = nullptr; // the creation chain, under the interpreter lock
    tmultiobject* nextCreated = nullptr;
    uint64_t serial = 0; // creation order, never reused

protected:
    // The classes become the first parents; the object joins their dependents, gets its chains
    // and enters the creation chain. Error 125 for an empty name.
    tmultiobject(const ObjectList& classes, std::string name,
        std::unique_ptr<tLogoVarTab> variables = std::make_unique<tLogoVarTab>());

private:
    struct Chains {
        std::vector<tLogoTab*> procedures; // user names, own table first
        std::vector<tLogoTab*> primitives; // built-in names: own table and the classes' only
        std::vector<tLogoTab*> variables;
        std::vector<tLogoTab*> events;
        ObjectList ancestors; // everything reached while building, without repetition
    };
    Chains collectChains() const;
    void appendParent(Chains& chains, const tmultiobject* parent, bool isClass) const;
    // The chain a name is looked up along: primitives for built-in names.
    const std::vector<tLogoTab*>& chainFor(NameCode name) const;
    // The name's procedure in the chain from position `after` + 1 on.
    tProcDesc* searchChain(NameCode name, int32_t after, int32_t* foundAt) const;
    void rebuildDependents();
    bool hasParent(const tmultiobject* parent) const;
    void makeAccessors(NameCode name);
    void eraseAccessors(NameCode name);
    void removeParent(tmultiobject* parent);
    void destroyDependents(FirstFailure& failure);

    std::unique_ptr<tLogoTab> m_procTable;
    std::unique_ptr<tLogoVarTab> m_varTable;
    tLogoEventTab m_eventTable;
    std::string m_name;
    ObjectList m_parents; // classes first, then behaviours
    int32_t m_classCount = 0;
    DependentList m_dependents;
    tmultiobject* m_place = nullptr;
    Chains m_chains;
    bool m_rebuilding = false; // set while the dependents rebuild: a cycle finds it set
    bool m_destroyed = false; // unlinked from everything; only freeing is left
};

} // namespace velmora
