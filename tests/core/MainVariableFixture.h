// A fixture for tests of what the main object's variables tune: a running engine with a main
// object, and global variables set by their internal names. The random source is seeded, so
// that a test of random values sees the same values on every run.
#pragma once

#include "values/ValueFixture.h"

#include "interpreter/LogoVarTab.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/Random.h"
#include "values/Reader.h"

#include <string_view>

namespace velmora {

class MainVariableFixture : public ValueFixture {
protected:
    MainVariableFixture() { seedRandom(20261211); }

    // One value read from source text.
    static ValueRef value(std::string_view text)
    {
        const ValueRef read(readList(text));
        return ValueRef(static_cast<tLogoList*>(read.get())->first());
    }

    void setMainVariable(std::string_view internalName, std::string_view text)
    {
        const std::string name = languageDictionary().firstWord("name", internalName);
        state().globalVariables->setVar(NameCodes::instance().intern(name), value(text).get());
    }
};

} // namespace velmora
