// The behaviour primitives of the main object: the running object adds, removes and lists the
// objects whose procedures it borrows beside its class's.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerBehaviourPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
