// The handler primitives of the main object: "setevent", "event", "eraseevent", "event?" and
// "myevent?" store, read and remove the running object's event handlers; "runevent" runs one in
// the calling process.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerEventPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
