// The getter and setter commands of an object's property.
//
// A property is read by a getter (an operation without inputs named after the property, "frozen")
// and set by a setter (a command with one input named by the setter form, "setfrozen"). Both act
// on the current object of the calling process; the property's pseudo-variables call them for the
// object they are bound to. A setter carries the property codes it changes: setting any of them
// makes the property worth saving again, so their do-not-save flags are cleared first.
#pragma once

#include "interpreter/ProcDesc.h"

#include <span>
#include <vector>

namespace velmora {

class tmultiobject;

class PropertyGetter : public tProcDesc {
public:
    explicit PropertyGetter(NameCode name);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;
    // The property's value in the object; a value nothing holds yet is handed over.
    virtual tlogoobject* read(tmultiobject& object) = 0;
};

class tPseudoVarCommand : public tProcDesc {
public:
    // `changes`: the main names of the properties the setter changes, its own first.
    tPseudoVarCommand(NameCode name, std::vector<NameCode> changes);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;
    // Clears the do-not-save flags of the changed properties, then writes.
    void set(tmultiobject& object, tlogoobject* value);

protected:
    // Errors of a value the property refuses come from here.
    virtual void write(tmultiobject& object, tlogoobject* value) = 0;

private:
    std::vector<NameCode> m_changes;
};

// Setting a property makes it worth saving again: clears the do-not-save flags of the object's
// pseudo-variables of those names.
void clearDoNotSave(tmultiobject& object, std::span<const NameCode> properties);

// The routines of a property that the object model implements itself.
using GetterRoutine = tlogoobject* (*)(tmultiobject& object);
using SetterRoutine = void (*)(tmultiobject& object, tlogoobject* value);

class tObjProcDesc final : public PropertyGetter {
public:
    tObjProcDesc(NameCode name, GetterRoutine routine);
    tlogoobject* read(tmultiobject& object) override { return m_routine(object); }

private:
    GetterRoutine m_routine;
};

class tPseudoVarObjCommand final : public tPseudoVarCommand {
public:
    tPseudoVarObjCommand(NameCode name, std::vector<NameCode> changes, SetterRoutine routine);

protected:
    void write(tmultiobject& object, tlogoobject* value) override { m_routine(object, value); }

private:
    SetterRoutine m_routine;
};

} // namespace velmora
