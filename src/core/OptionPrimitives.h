// "setoption" and "option": setting and reading the options of core/Options.h by name. Option
// names are the words of the dictionary section "option", compared without regard to case.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerOptionPrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
