#include "values/LogoObject.h"

#include "localization/LanguageWords.h"
#include "values/Errors.h"

namespace velmora {

tlogoobject::tlogoobject(ValueKind kind)
    : m_kind(kind)
{
}

tlogoobject::~tlogoobject() = default;

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

tProcDesc* tlogoobject::findProc(NameCode name, int32_t* foundAt)
{
    if (tProcDesc* found = tryProc(name, foundAt))
        return found;
    throw eLogoException::withName(erDoNotKnowHowTo, name);
}

tProcDesc* tlogoobject::tryProc(NameCode, int32_t*) { return nullptr; }

tProcDesc* tlogoobject::findNextProc(int32_t, NameCode name, int32_t*)
{
    throw eLogoException::withName(erUsual, name);
}

tlogoobject* tlogoobject::findObject(NameCode) { return nullptr; }

} // namespace velmora
