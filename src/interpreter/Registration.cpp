#include "interpreter/Registration.h"

#include "localization/NameTranslation.h"

namespace velmora {

void registerPrimitives(tLogoTab& table, tlogoobject* owner, std::span<const PrimitiveRow> rows)
{
    for (const PrimitiveRow& row : rows) {
        for (NameCode code : codesOf(row.name)) {
            tProcDesc* desc = row.make(code, owner);
            desc->flags |= builtin;
            table.registerDesc(desc);
        }
    }
}

PrimitiveRow variable(
    std::string_view name, ElementTypes funtype, int32_t defpar, tMainPasProcDesc::Handler handler)
{
    return { name, [=](NameCode code, tlogoobject* owner) -> tProcDesc* {
                return new tMainPasProcDesc(code, funtype, defpar, handler, owner);
            } };
}

PrimitiveRow dispatcher(std::string_view name, ElementTypes funtype, int32_t inputs, DispatchOn on,
    int32_t below, IntegerShortcut shortcut)
{
    return { name, [=](NameCode code, tlogoobject*) -> tProcDesc* {
                return new tObjectProcDesc(code, funtype, false, inputs, on, below, shortcut);
            } };
}

PrimitiveRow outputPrimitive(std::string_view name)
{
    return { name, [](NameCode code, tlogoobject*) -> tProcDesc* { return new tOutput(code); } };
}

PrimitiveRow stopPrimitive(std::string_view name)
{
    return { name, [](NameCode code, tlogoobject*) -> tProcDesc* { return new tStop(code); } };
}

} // namespace velmora
