// "po" and "erase": print or erase the entries a name or a list of names chooses, each name
// written as listings write it. A plain name is a procedure; ":name" is a variable as the running
// code sees it (a local first); a prefix word and an apostrophe choose another kind: "own'",
// "var'", "variable'" and "common'" the running object's variable, "global'" the global variable,
// "event'" its event handler, "object'" an object of its table, "procedure'" and "define'" a
// procedure.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerEntryPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
