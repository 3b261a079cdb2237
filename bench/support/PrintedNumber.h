// Reads a number back from a benchmark's console session: what "print" shows of a variable.
#pragma once

#include "startup/ConsoleSession.h"
#include "support/CollectingCommander.h"

#include <cstdlib>
#include <string>

namespace velmora {

inline long printedNumber(
    ConsoleSession& session, CollectingCommander& commander, const char* variable)
{
    commander.output.clear();
    session.feedLine(std::string("print :").append(variable));
    return std::atol(commander.output.c_str());
}

} // namespace velmora
