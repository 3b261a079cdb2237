#include "interpreter/Registration.h"

namespace velmora {

void registerPrimitives(
    tLogoTab& table, tlogoobject* owner, std::span<const PrimitiveRow> rows, Precedence precedence)
{
    table.offerPrimitives(owner, rows, precedence);
}

} // namespace velmora
