// Questions about the object tree asked from the running object: which names denote objects
// ("object?", "class?", "is?"), whether it has a class ("parent?"), and the name of the last
// object the calling process created ("lastname", ".lastname").
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerObjectInquiryPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
