// The names of the main object whose subsystems this build does not have yet (images, objects,
// projects, sound, dialogs, choosers, printing and the like), so that every name of the main
// object exists. Each raises an error that names it until its subsystem registers the real
// primitive; image operations get their generic dispatchers.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

// Registers only names the table does not hold yet, so it must run after every real group.
void registerRemainingNames(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
