// "haveown" and "havecommon": the running object makes or sets a variable of its own, with its
// getter and setter commands.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerOwnVariablePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
