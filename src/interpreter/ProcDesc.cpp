#include "interpreter/ProcDesc.h"

#include "localization/NameCodes.h"
#include "values/Errors.h"

namespace velmora {

namespace {
    void invokeEntry(void* data, int32_t inputCount)
    {
        static_cast<tProcDesc*>(data)->invoke(inputCount);
    }

    void unsupportedMethod(void* data, int32_t)
    {
        throw eLogoException::withPrimitive(erInternExecute, static_cast<tProcDesc*>(data)->name);
    }
}

const std::string& tTabDesc::nameText() const { return NameCodes::instance().nameOf(name); }

tProcDesc::tProcDesc(NameCode name, int32_t defpar, bool varpar, ElementTypes funtype)
    : tTabDesc(name, ProcedureEntry {})
    , defpar(defpar)
    , varpar(varpar)
    , funtype(funtype)
    , firstMethod { unsupportedMethod, this }
    , secondMethod { unsupportedMethod, this }
{
    setCallEntries({ invokeEntry, this });
}

void tProcDesc::invoke(int32_t) { throw eLogoException::withPrimitive(erInternExecute, name); }

void tProcDesc::setCallEntries(ProcEntry entry)
{
    command = operation = tail = applyCommand = applyOperation = entry;
}

} // namespace velmora
