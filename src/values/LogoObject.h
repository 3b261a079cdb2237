// tlogoobject: the root of every Logo value and every project object.
//
// The virtual operations below are the interface every primitive works through: kind tests,
// conversions that throw the matching Logo error, printing, name codes, truth values, equality,
// and procedure and object lookup for objects. A value's operations live in the table of its
// class, which the generic primitives dispatch through by the value's kind: "first" of a word and
// "first" of a list find different descriptors there (interpreter/ClassTables.h).
//
// All of it is touched only under the interpreter lock.
#pragma once

#include "localization/NameCode.h"
#include "values/HeapObject.h"
#include "values/ValueKind.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class tLogoTab;
class tProcDesc;

using LogoReal = long double; // extended precision

// How a list is compiled: one instruction sequence, a sequence of lines (procedure bodies), or the
// clause list of "case".
enum class CompileMode : uint8_t { Instructions = 0, Lines = 2, CaseClauses = 3 };

class tlogoobject : public TheapObject {
public:
    // Values find their operations in the table of their class (interpreter/ClassTables.h).
    explicit tlogoobject(ValueKind kind);
    ~tlogoobject() override;

private:
    // First, so that it fills the space the base leaves after its counts.
    const ValueKind m_kind;

public:
    // An object's own procedures; none for values.
    tLogoTab* ownTable = nullptr;
    ValueKind kind() const { return m_kind; }

    // Called when the last holder lets go: destroys the instance or returns it to its pool.
    virtual void free();
    virtual tlogoobject* copy() = 0;

    virtual bool isList() const { return false; }
    virtual bool isImage() const { return false; }
    virtual bool isWord() const { return false; }
    virtual bool isAnyWord() { return false; }
    virtual bool isNumber() { return false; }
    virtual bool isBool() { return false; }
    virtual bool isInteger() { return false; }

    // Throw error 26 (bounds lo, hi), 12 (not a number) as the conversion requires.
    virtual int32_t intInRange(int32_t low, int32_t high);
    virtual int32_t asInteger();
    virtual LogoReal asReal();
    // Truth value; error 29 when the value is no boolean.
    virtual bool asBool();

    // Append the print form (what "print" shows) or the source form (what reads back as the same
    // value). `bracketed` puts a list inside its brackets.
    virtual void appendPrintForm(std::string& out, bool bracketed);
    virtual void appendSourceForm(std::string& out, bool bracketed);
    std::string printForm(bool bracketed);
    std::string sourceForm(bool bracketed);

    // Text of a word; error 8 for other values.
    virtual const std::string& text();
    // Name code of a word's text; error 8 for other values.
    virtual NameCode nameCode();

    virtual bool isEmpty() { return false; }
    virtual bool equals(tlogoobject* other) { return this == other; }
    virtual bool sameAs(tlogoobject* other) { return equals(other); }
    bool differs(tlogoobject* other) { return !equals(other); }
    // Reuse in place: see the word and number classes. Here only identity.
    virtual bool takeValueOf(tlogoobject* other) { return this == other; }

    // Procedure lookup along the object's lookup chain; `foundAt`, when given, receives the
    // chain position of the procedure found, which "usual" continues after. Values have no chain
    // (their operations are reached through the dispatchers): none, or error 25.
    tProcDesc* findProc(NameCode name, int32_t* foundAt = nullptr);
    virtual tProcDesc* tryProc(NameCode name, int32_t* foundAt = nullptr);
    // The procedure the running one overrides: the lookup chain continued after position
    // `after`; error 142 when none is left (and always for values).
    virtual tProcDesc* findNextProc(int32_t after, NameCode name, int32_t* foundAt);
    // The object a name denotes as seen from this one, or none.
    virtual tlogoobject* findObject(NameCode name);
    // The instance a name denotes as seen from this one, which answers a call of that name with
    // its "defaultaction" procedure; none for values, classes and unknown names.
    virtual tlogoobject* defaultActor(NameCode) { return nullptr; }

    // Class name used in the print form of values without a text form.
    virtual std::string_view className() const = 0;
};

} // namespace velmora
