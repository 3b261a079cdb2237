// Property pseudo-variables: a property seen as a variable of its object.
//
// Reading an object's variable "frozen" runs the getter of property 178 for that object, and
// assigning it runs the setter, so "make", pairs of parameter lists and project text all reach a
// property the way they reach any variable. A class keeps property prototypes apart from its
// variables (they are templates, not variables anyone reads); each object made from the class
// gets its own pseudo-variables bound to itself from them. The flags say whether the property is
// saved: `donotsaveperm` never (derived properties such as "pos"), `donotsavenow` not until it is
// set again.
#pragma once

#include "interpreter/LogoVarTab.h"

namespace velmora {

class PropertyGetter;
class tPseudoVarCommand;
class tmultiobject;

// What reaches a property: its code and its commands, held by the class's procedure table.
struct PropertyAccess {
    int32_t code;
    PropertyGetter* getter;
    tPseudoVarCommand* setter;
};

class tPseudoVarDesc final : public tLogoVarDesc {
public:
    tPseudoVarDesc(NameCode name, uint8_t flags, PropertyAccess access, tmultiobject& object);

    std::string valueText() override;
    int32_t code() const { return m_access.code; }
    tmultiobject& object() const { return m_object; }

protected:
    void compute() override;
    void store(tlogoobject* value) override;

private:
    PropertyAccess m_access;
    tmultiobject& m_object;
};

class tPseudoVarPrototype {
public:
    tPseudoVarPrototype(NameCode name, uint8_t flags, PropertyAccess access);

    NameCode name() const { return m_name; }
    int32_t code() const { return m_access.code; }
    // A new pseudo-variable of the object, owned by whoever enters it into a table.
    tPseudoVarDesc* bind(tmultiobject& object) const;

private:
    NameCode m_name;
    uint8_t m_flags;
    PropertyAccess m_access;
};

} // namespace velmora
