// ConsoleSession: the command line of the console runner.
//
// Lines are handed one by one to a commander process, as a window's command line hands them: a
// line beginning with "to" collects the following lines up to "end" as a procedure definition;
// any other line runs as soon as it is complete, and `feedLine` returns when it has run. Processes
// it launches run on beside it. While it waits the calling thread serves the calls that processes
// make into the main thread. Text here is 8-bit in the language's code page; conversion happens
// at the console boundary.
#pragma once

#include "interpreter/Commander.h"
#include "processes/CommanderProcess.h"
#include "processes/MainThreadCall.h"
#include "startup/CommandLines.h"

#include <atomic>
#include <memory>
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
    // The end of the input: an unfinished definition is defined as it stands, and the session
    // waits until no process it started is left.
    void finish();
    // Whether the session waits for the rest of a definition.
    bool collectingDefinition() const { return m_lines.collectingDefinition(); }
    int errorCount() const { return m_errors.count(); }

private:
    // Counts the errors reported from any process.
    class CountingCommander : public Icommander {
    public:
        explicit CountingCommander(Icommander& target)
            : m_target(target)
        {
        }
        void reportError(const eLogoException& error) override;
        void printText(std::string_view text) override { m_target.printText(text); }
        void closeRequested() override { m_target.closeRequested(); }
        int count() const { return m_count; }

    private:
        Icommander& m_target;
        std::atomic<int> m_count { 0 };
    };

    void run(Command command);
    // Serves main-thread calls until `done` holds.
    void serveUntil(const std::function<bool()>& done);

    CountingCommander m_errors;
    HeadlessMainThread m_mainThread;
    PlatformService<MainThreadCaller>::Installation m_mainThreadInstallation;
    ValueRef m_main;
    std::shared_ptr<tLogoCommanderProcess> m_commandLine;
    CommandLines m_lines;
};

} // namespace velmora
