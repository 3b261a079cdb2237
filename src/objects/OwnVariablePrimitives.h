// The variables of the running object: "haveown" and "havecommon" make or set one of its own,
// with its getter and setter commands; "set" and "get" reach the variable it sees along its
// chain; "objname?" and "myobjname?" ask whether it sees or holds one.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerOwnVariablePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
