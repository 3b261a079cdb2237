#include "values/LogoObject.h"

#include "interpreter/Errors.h"
#include "interpreter/LogoTab.h"
#include "interpreter/ResolutionStamp.h"
#include "localization/LanguageWords.h"
#include "values/ClassTables.h"

namespace velmora {

tlogoobject::tlogoobject(ValueKind kind)
    : m_kind(kind)
    , ownTable(ClassTables::of(kind))
{
}

tlogoobject::~tlogoobject()
{
    // Names resolved for this object must not be trusted for another at the same address.
    if (m_kind == ValueKind::Object)
        ResolutionStamp::advance();
}

void tlogoobject::free() { delete this; }

int32_t tlogoobject::intInRange(int32_t low, int32_t high)
{
    throw eLogoException(erMinMax, low, high, this);
}

int32_t tlogoobject::asInteger() { throw eLogoException(erExpectNumber, this); }

LogoReal tlogoobject::asReal() { throw eLogoException(erExpectNumber, this); }

bool tlogoobject::asBool() { throw eLogoException(erNotBool, this); }

void tlogoobject::appendPrintForm(std::string& out, bool)
{
    out += instanceDescription(className());
}

void tlogoobject::appendSourceForm(std::string& out, bool bracketed)
{
    appendPrintForm(out, bracketed);
}

std::string tlogoobject::printForm(bool bracketed)
{
    std::string out;
    appendPrintForm(out, bracketed);
    return out;
}

std::string tlogoobject::sourceForm(bool bracketed)
{
    std::string out;
    appendSourceForm(out, bracketed);
    return out;
}

const std::string& tlogoobject::text() { throw eLogoException(erExpectWord, this); }

NameCode tlogoobject::nameCode() { throw eLogoException(erExpectWord, this); }

CodeArray* tlogoobject::compile(CompileMode) { throw eLogoException(erExpectList, this); }

tProcDesc* tlogoobject::findProc(NameCode name, int32_t level)
{
    if (tProcDesc* found = tryProc(name, level))
        return found;
    throw eLogoException::withName(erDoNotKnowHowTo, name);
}

tProcDesc* tlogoobject::tryProc(NameCode name, int32_t)
{
    return ownTable ? ownTable->findProc(name) : nullptr;
}

tProcDesc* tlogoobject::findNextProc(int32_t, NameCode name)
{
    throw eLogoException::withName(erUsual, name);
}

tlogoobject* tlogoobject::findObject(NameCode) { return nullptr; }

} // namespace velmora
