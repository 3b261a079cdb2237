// Variable tables: tLogoVarDesc holds one variable's value; tLogoVarTab maps names to them.
//
// Assigning reuses the variable's value in place when it can (`takeValueOf`), and never stores a
// pooled instance: a pooled value is copied first, so the pools stay free for short-lived values.
// A computed variable (an object's property) runs code to read and to assign; it holds each value
// it reads until the next read, so that readers can borrow it like any variable's.
#pragma once

#include "interpreter/LogoTab.h"
#include "values/ValueRef.h"

namespace velmora {

class tLogoVarDesc : public tTabDesc {
public:
    explicit tLogoVarDesc(NameCode name, uint8_t flags = 0);
    ~tLogoVarDesc() override;

    // A computed variable reads afresh every time; the value stays held until the next read.
    tlogoobject* value() final
    {
        if (m_computed) [[unlikely]]
            compute();
        return m_value;
    }
    std::string valueText() override;
    // A computed variable hands the value to its code instead of holding it.
    void assign(tlogoobject* value);
    // Stores a value whose reference the caller hands over, as it is (local bindings).
    void adoptValue(tlogoobject* value);
    // Empties the variable and hands its reference to the caller.
    tlogoobject* takeValue() { return takeFromHolder(m_value); }
    // 1 for variables created by setVarMarked.
    uint8_t variableKind = 0;

protected:
    // A variable whose value comes from code (an object's property): reading runs compute(),
    // which must hold the result through hold(); assigning runs store().
    struct Computed { };
    tLogoVarDesc(NameCode name, uint8_t flags, Computed);
    virtual void compute() { }
    virtual void store(tlogoobject*) { }
    // Holds the value as assigning a plain variable does: in place when it can, so that reading
    // a property again and again makes no copy of a pooled value after the first.
    void hold(tlogoobject* value);

private:
    tlogoobject* m_value = nullptr;
    bool m_computed = false;
};

class tLogoVarTab : public tLogoTab {
public:
    explicit tLogoVarTab(std::string_view labelKey = "variablesLabel")
        : tLogoTab(labelKey)
    {
        holdOnlyVariables();
    }
    void setVar(NameCode name, tlogoobject* value, uint8_t flags = 0);
    void setVarMarked(NameCode name, tlogoobject* value);
    void setIfChanged(NameCode name, tlogoobject* value);
    // The value; error 24 when the name is missing or has no value.
    tlogoobject* getValue(NameCode name)
    {
        if (tlogoobject* value = tryValue(name))
            return value;
        missingOnGet(name);
        return nullptr;
    }
    tlogoobject* tryValue(NameCode name) const;

protected:
    void missingOnGet(NameCode name) override;
    void missingOnErase(NameCode name) override;
    virtual tLogoVarDesc* createDesc(NameCode name, uint8_t flags);
};

// The main object's global variables.
class tLogoGlobalVarTab : public tLogoVarTab {
public:
    tLogoGlobalVarTab()
        : tLogoVarTab("GlobalsLabel")
    {
    }
};

// An object's event handlers; a missing handler is error 155.
class tLogoEventTab : public tLogoVarTab {
public:
    tLogoEventTab()
        : tLogoVarTab("EventsLabel")
    {
    }

protected:
    void missingOnGet(NameCode name) override;
};

// A container's objects by name; a missing object is error 50.
class tLogoObjectsTab : public tLogoVarTab {
public:
    tLogoObjectsTab()
        : tLogoVarTab("ObjectsLabel")
    {
    }

protected:
    void missingOnGet(NameCode name) override;
};

// The main window's pages, in page order; a missing page is error 156.
class tLogoPagesTab : public tLogoVarTab {
public:
    tLogoPagesTab()
        : tLogoVarTab("PagesLabel")
    {
    }

protected:
    void missingOnGet(NameCode name) override;
};

} // namespace velmora
