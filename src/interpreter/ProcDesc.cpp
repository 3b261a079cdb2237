#include "interpreter/ProcDesc.h"

#include "localization/NameCodes.h"
#include "values/Errors.h"

namespace velmora {

const std::string& tTabDesc::nameText() const { return NameCodes::instance().nameOf(name); }

tProcDesc::tProcDesc(NameCode name, int32_t defpar, bool varpar, ElementTypes funtype)
    : tTabDesc(name, ProcedureEntry {})
    , defpar(defpar)
    , varpar(varpar)
    , funtype(funtype)
{
}

void tProcDesc::call(int32_t, CallForm, CallRoute)
{
    throw eLogoException::withPrimitive(erInternExecute, name);
}

void tProcDesc::callMethod(int32_t) { throw eLogoException::withPrimitive(erInternExecute, name); }

} // namespace velmora
