// Listings of the running object's tables and of the object tree: "variables", "events",
// "objects", ".procedures", ".variables", ".objects", "descendants" and "behaviourof".
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerListingPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
