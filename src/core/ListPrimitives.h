// The main object's list constructors ("list", "sentence", "text") and the dispatchers of the
// generic operations that only lists (and later drawing lists and images) answer: "sort", "!",
// "!2", "deepitem", "deepreplace", "randompos", "vectorangle", "rotate", "topoints", "tovectors",
// "spline".
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerListPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
