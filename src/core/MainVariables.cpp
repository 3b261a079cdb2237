#include "core/MainVariables.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/LogoVarTab.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"

namespace velmora {

tlogoobject* mainObjectVariable(std::string_view internalName)
{
    const InterpreterState* state = InterpreterState::current();
    if (!state)
        return nullptr;
    const std::string name = languageDictionary().firstWord("name", internalName);
    const NameCode code = NameCodes::instance().find(name);
    return code == 0 ? nullptr : state->globalVariables->tryValue(code);
}

} // namespace velmora
