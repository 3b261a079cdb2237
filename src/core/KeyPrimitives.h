// Key input: "key?", "lastkey", "key", "readkey" and "readchar" over the key buffer
// (core/KeyBuffer.h). "readchar" reads the input stream instead while one is open.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerKeyPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
