// ConsoleSession: the command line of the console runner.
//
// Lines are run one by one as a window's command line runs them: a line beginning with "to"
// collects the following lines up to "end" as a procedure definition; any other line runs at once.
// An error is reported through the commander and running goes on with the next line. Text here
// is 8-bit in the language's code page; conversion happens at the console boundary.
#pragma once

#include "core/MainObj.h"
#include "interpreter/Commander.h"
#include "interpreter/InterpreterState.h"

#include <string>
#include <string_view>

namespace velmora {

class ConsoleSession {
public:
    explicit ConsoleSession(Icommander& commander);
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    void feedLine(std::string_view line);
    // The end of the input: an unfinished definition is reported.
    void finish();
    // Whether the session waits for the rest of a definition.
    bool collectingDefinition() const { return !m_definition.empty(); }
    int errorCount() const { return m_errorCount; }

private:
    void runLine(std::string_view line);
    void define(const std::string& definition);
    void report(const eLogoException& error);

    Icommander& m_commander;
    ValueRef m_main;
    InterpreterState m_state;
    InterpreterState::Activation m_activation;
    const std::string m_toWord;
    const std::string m_endWord;
    std::string m_definition;
    int m_errorCount = 0;
};

} // namespace velmora
