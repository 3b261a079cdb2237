// SystemCodes: name codes the interpreter itself compares against, interned once at start-up.
#pragma once

#include "values/LogoObject.h"

namespace velmora {

struct SystemCodes {
    NameCode plus = 0;
    NameCode minus = 0;
    NameCode unaryPlus = 0;
    NameCode unaryMinus = 0;
    // The localized "output" and "stop" (their first synonyms).
    NameCode output = 0;
    NameCode stop = 0;

    static const SystemCodes& instance() { return mutableInstance(); }
    // Interns the codes; called after the name tables are (re)created.
    static void intern();

private:
    static SystemCodes& mutableInstance();
};

} // namespace velmora
