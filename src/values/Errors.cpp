#include "values/Errors.h"

#include "localization/NameCodes.h"
#include "values/ValueFactory.h"

namespace velmora {

eLogoException::eLogoException(errorConst code, tlogoobject* datum)
    : code(code)
    , datum(datum)
{
}

eLogoException::eLogoException(errorConst code, std::string_view text)
    : eLogoException(code, makeWord(text))
{
}

eLogoException::eLogoException(errorConst code, int32_t numA, int32_t numB, tlogoobject* datum)
    : code(code)
    , datum(datum)
    , numA(numA)
    , numB(numB)
{
}

eLogoException eLogoException::withName(errorConst code, NameCode name)
{
    eLogoException error(code);
    error.datumCode = name;
    return error;
}

eLogoException eLogoException::withPrimitive(errorConst code, NameCode name)
{
    eLogoException error = withName(code, name);
    error.recordFailingName(name);
    return error;
}

eLogoException eLogoException::user(std::string message, tlogoobject* datum)
{
    eLogoException error(erUser, datum);
    error.userMessage = std::move(message);
    return error;
}

const char* eLogoException::what() const noexcept { return errorName(code).data(); }

void eLogoException::recordFailingName(NameCode name)
{
    if (primName.empty())
        primName = NameCodes::instance().nameOf(name);
}

void eLogoException::recordFailingName(std::string name)
{
    if (primName.empty())
        primName = std::move(name);
}

void eLogoException::recordPlace(
    std::string procedure, tlogoobject* owner, int32_t atLine, tInprocType kind)
{
    if (!procName.empty())
        return;
    procName = std::move(procedure);
    placeObject = owner;
    line = atLine;
    placeKind = kind;
}

ethrow::ethrow(std::string thrownTag)
    : eLogoException(erNoCatch)
    , tag(std::move(thrownTag))
{
}

} // namespace velmora
