#include "core/ColourPrimitives.h"

#include "core/Colours.h"
#include "interpreter/Registration.h"

namespace velmora {

namespace {

    tlogoobject* primToRgb(tlogoobject*, tlogoobject* colour) { return rgbList(asColour(colour)); }

    tlogoobject* primColourNames(tlogoobject*) { return colourNameList(); }

} // namespace

void registerColourPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<1>("torgb", etFun, primToRgb),
        fixed<0>("velmoracolours", etFun, primColourNames),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
