// CollectingCommander: the commander of a benchmark's console session. It keeps what the program
// prints, to be checked, and counts the errors, each told on standard error.
#pragma once

#include "interpreter/Commander.h"

#include <cstdio>
#include <string>

namespace velmora {

class CollectingCommander : public Icommander {
public:
    void reportError(const eLogoException& error) override
    {
        std::fprintf(stderr, "error %d\n", error.code);
        ++errors;
    }
    void printText(std::string_view text) override { output.append(text); }
    std::string output;
    int errors = 0;
};

} // namespace velmora
