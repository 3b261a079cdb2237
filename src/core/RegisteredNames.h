// The names of the main object whose subsystems this build does not have yet (images, objects,
// projects, sound, dialogs, choosers, printing and the like), so that every name of the main
// object exists. Each raises an error that names it until its subsystem registers the real
// primitive; image operations get their generic dispatchers.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

// The names only fill gaps: a spelling that a real primitive of the table has stays the real one.
void registerRemainingNames(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
