// The getter and setter commands an object gets with each variable it makes: the getter, named
// as the variable, outputs the value the running object sees; the setter, named by the language's
// setter form of the name, sets the common variable the running object sees, else its own.
#pragma once

#include "interpreter/ProcDesc.h"

#include <string>

namespace velmora {

class tGetFunc final : public tProcDesc {
public:
    explicit tGetFunc(NameCode variable);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;
};

class tSetFunc final : public tProcDesc {
public:
    tSetFunc(NameCode setterName, NameCode variable);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;

private:
    NameCode m_variable;
};

// The setter form of a name: the dictionary's "setfix" template around it ("set*": "setscore").
std::string setterName(const std::string& name);

} // namespace velmora
