// tcontainerobject: an object with an object table, in which it creates, names, renames and
// destroys objects. The main object is the first; windows, pages and tool windows will follow.
//
// The table holds the one reference that keeps each object alive; destroying an object unlinks
// it first and then drops its entry. Names are unique within one container only.
#pragma once

#include "objects/ContainingControl.h"
#include "values/Errors.h"
#include "values/ValueRef.h"

#include <unordered_map>
#include <vector>

namespace velmora {

// How a creation primitive reads its parameter list and whether it runs "create".
enum class CreationForm { New, NewDot, NewDotDot };

// How "eraseobject" and "erasecomplete" treat an object that is the class of others.
enum class EraseMode { RefuseClasses, Complete };

class ObjectPairs;

class tcontainerobject : public tcontainingcontrol {
public:
    ~tcontainerobject() override;

    tmultiobject* tableEntry(NameCode name) override;
    const tLogoObjectsTab& objectTable() const { return m_objectTable; }
    tcontainerobject* containerForClass(tmultiobject* objectClass) override;

    // "new" and its forms: error 50 (no such class), 137 (not a class), 113 (the name belongs to
    // a class in use).
    tmultiobject* newObject(tlogoobject* objectClass, tlogoobject* pairs, CreationForm form);
    // Error 50, 138 (the parent is an instance), 139 (unacceptable name), 113.
    tmultiobject* newClass(tlogoobject* parent, tlogoobject* name, tlogoobject* pairs);
    // Error 50 for a name without object, 113 for a class in use unless erasing completely.
    void eraseObject(tlogoobject* name, EraseMode mode);
    // The object "eraseobject" may erase under that name: one of the table's, unless a container
    // reaches further.
    virtual tmultiobject* erasableEntry(NameCode name);
    // Removes the object's entry after unlinking it. When the process ran as the object, the
    // caller ends the process (the object is destroyed()).
    void eraseEntry(tControlObject* object);
    // Every object of the table goes at once, as when a project is cleared: no "destroy"
    // procedure or handler runs, so nothing of the program runs while its objects go.
    void clearObjects();
    // Moves the object's entry to a new name; error 175 when another object holds it.
    void renameEntry(tControlObject* object, std::string name);

protected:
    tcontainerobject(const ObjectList& classes, std::string name,
        std::unique_ptr<tLogoVarTab> variables = std::make_unique<tLogoVarTab>());

private:
    tmultiobject* classNamed(tlogoobject* name, errorConst notAClass);
    std::string freeName(std::string base, int32_t number);
    std::string nameFor(tmultiobject* objectClass, const ObjectPairs& pairs);
    void dropEntry(std::string name);
    tcontainingcontrol* targetContainer() const;
    void enter(tControlObject* object);
    void disown(tControlObject* object);

    tLogoObjectsTab m_objectTable;
    // For the code of a name base, a number n such that base1 .. base<n> are all in the table.
    std::unordered_map<NameCode, int32_t> m_numbersTaken;
    std::vector<ValueRef> m_retired; // erased objects a process still ran as (main object only)
};

} // namespace velmora
