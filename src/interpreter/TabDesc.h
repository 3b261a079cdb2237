// tTabDesc: an entry of a name table: a primitive, a user procedure, a variable, a handler.
//
// Descriptors are owned by the table that holds them and are linked in registration order for
// enumeration, saving and display.
#pragma once

#include "values/LogoObject.h"

#include <string>

namespace velmora {

// Bits of `tTabDesc::flags`.
enum DescFlag : uint8_t {
    donotsaveperm = 1 << 0, // never written into project text
    donotsavenow = 1 << 2, // not written at the next save; cleared when assigned again
    builtin = 1 << 3, // created while the system registered its primitives
    userMarkA = 1 << 4, // marks carried over by a redefinition
    userMarkB = 1 << 5,
};

class tTabDesc {
public:
    explicit tTabDesc(NameCode name)
        : name(name)
    {
    }
    virtual ~tTabDesc() = default;
    tTabDesc(const tTabDesc&) = delete;
    tTabDesc& operator=(const tTabDesc&) = delete;

    // Text of the entry's definition or value; empty for primitives.
    virtual std::string valueText() { return {}; }
    // The entry's value, or none.
    virtual tlogoobject* value() { return nullptr; }
    const std::string& nameText() const;
    // Primitives can never be redefined.
    virtual bool mayRedefine(bool whileRunning)
    {
        (void)whileRunning;
        return false;
    }
    // Lookups that want a procedure accept only these entries.
    bool isProcedure() const { return m_isProcedure; }

    NameCode name; // the spelling it is registered under
    uint8_t flags = 0; // DescFlag bits
    tTabDesc* nextDesc = nullptr; // registration order, under the table order lock
    tTabDesc* prevDesc = nullptr;
    tLogoTab* table = nullptr; // the table that holds it, once registered
    uint8_t isUserEntry = 0; // 1: defined by the user (a procedure or variable), not a primitive

protected:
    struct ProcedureEntry { };
    tTabDesc(NameCode name, ProcedureEntry)
        : name(name)
        , m_isProcedure(true)
    {
    }

private:
    bool m_isProcedure = false;
};

} // namespace velmora
