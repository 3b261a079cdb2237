// Icommander: where a process reports its errors and sends printed text.
//
// The console runner's commander writes to standard error and standard output; the player's
// default commander shows message boxes; other subsystems supply their own (a network peer's
// remote run reports back over the wire).
#pragma once

#include "values/Errors.h"

#include <string>
#include <string_view>

namespace velmora {

class Icommander {
public:
    virtual ~Icommander() = default;
    virtual void reportError(const eLogoException& error) = 0;
    virtual void printText(std::string_view text) = 0;
    // A line of text typed by the user; error 170 where nobody can type.
    virtual std::string readText() { throw eLogoException(erNoTextInput); }
    // "cleartext": the text printed so far is cleared where the commander keeps it; nothing is
    // done where it does not (a pipe, message boxes).
    virtual void clearText() { }
    // "bye": the program should close once the running line is done.
    virtual void closeRequested() { }
};

} // namespace velmora
