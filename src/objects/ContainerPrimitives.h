// The primitives every container registers into its own procedure table: creating objects and
// classes, erasing them, and the current object's name.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerContainerPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
