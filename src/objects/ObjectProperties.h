// The properties every object has: its key menu (176, "keyMenu") and whether it is frozen (178,
// "frozen"), with "freezeme", "unfreezeme" and "isfrozen?".
//
// The root of all classes registers them for its instances, so every object made afterwards,
// class or instance, gets its own pseudo-variables of them; the commands act on whichever object
// runs them, the root included.
#pragma once

namespace velmora {

class tmultiobject;

void registerObjectProperties(tmultiobject& root);

} // namespace velmora
