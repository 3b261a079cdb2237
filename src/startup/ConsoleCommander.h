// ConsoleCommander: the console runner's commander. Printed text goes to standard output, each
// line as soon as it is complete; every error is one line "error N: <message>" on standard error.
// Clearing the text clears a terminal's screen; text gone into a pipe or a file stays.
#pragma once

#include "interpreter/Commander.h"
#include "startup/ConsoleText.h"

#include <cstdio>

namespace velmora {

class ConsoleCommander : public Icommander {
public:
    explicit ConsoleCommander(const ConsoleText& text);
    void reportError(const eLogoException& error) override;
    void printText(std::string_view text) override;
    void clearText() override;

private:
    const ConsoleText& m_text;
};

// "error N: message" with the message on one line.
std::string errorLine(const eLogoException& error);

} // namespace velmora
