#include "objects/VariableAccessors.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/Variables.h"
#include "localization/LanguageDictionary.h"
#include "objects/MultiObject.h"

namespace velmora {

tGetFunc::tGetFunc(NameCode variable)
    : tProcDesc(variable, 0, false, etFun)
{
    isUserEntry = 1;
}

void tGetFunc::call(int32_t, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    state.valueStack.push(readVariable(state, name));
}

tSetFunc::tSetFunc(NameCode setterName, NameCode variable)
    : tProcDesc(setterName, 1, false, etFun)
    , m_variable(variable)
{
    isUserEntry = 1;
}

void tSetFunc::call(int32_t, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    ValueRef value = state.valueStack.pop();
    auto* object = static_cast<tmultiobject*>(state.currentObject);
    tLogoVarDesc* seen = object->findVariable(m_variable);
    if (seen && seen->variableKind == commonVariable)
        seen->assign(value.get());
    else
        object->setVariable(m_variable, value.get(), VariableScope::Own);
    state.valueStack.push(nullptr);
}

std::string setterName(const std::string& name)
{
    const LanguageDictionary& dictionary = languageDictionary();
    return dictionary.setterPrefix() + name + dictionary.setterSuffix();
}

} // namespace velmora
