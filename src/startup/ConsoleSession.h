// ConsoleSession: the command line of the console runner.
//
// Lines are handed one by one to a commander process, as a window's command line hands them: a
// line beginning with "to" collects the following lines up to "end" as a procedure definition;
// any other line runs as soon as it is complete, and `feedLine` returns when it has run. Processes
// it launches run on beside it. While it waits the calling thread serves the calls that processes
// make into the main thread. "bye" in any process ends the session: `feedLine` and `finish`
// return at once, and every process is stopped. Text here is 8-bit in the language's code page;
// conversion happens at the console boundary.
#pragma once

#include "interpreter/Commander.h"
#include "processes/CommanderProcess.h"
#include "processes/DefaultCommander.h"
#include "processes/MainThreadCall.h"
#include "startup/CommandLines.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class tMainLogoObject;
struct ProcessStart;

class ConsoleSession {
public:
    // Prepares the command line's start (the object it runs as, its who list), under the
    // interpreter lock, once the main object exists.
    using Setup = std::function<void(tMainLogoObject& main, ProcessStart& commandLine)>;

    // Calls into the main thread are served by `mainThread`, which the session installs: its own
    // headless one when none is given.
    explicit ConsoleSession(
        Icommander& commander, HeadlessMainThread* mainThread = nullptr, const Setup& setup = {});
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

    void feedLine(std::string_view line);
    // The end of the input: an unfinished definition is defined as it stands, and the session
    // waits until no process it started is left, or until "bye".
    void finish();
    // Whether the session waits for the rest of a definition.
    bool collectingDefinition() const { return m_lines.collectingDefinition(); }
    int errorCount() const { return m_errors.count(); }
    // Whether "bye" ended the session: it takes no more lines, waits for no process, and stops
    // every process as it is destroyed.
    bool closing() const { return m_closing; }

private:
    // Counts the errors reported from any process, and hears "bye" from any process.
    class SessionCommander : public Icommander {
    public:
        SessionCommander(ConsoleSession& session, Icommander& target)
            : m_session(session)
            , m_target(target)
        {
        }
        void reportError(const eLogoException& error) override;
        void printText(std::string_view text) override { m_target.printText(text); }
        void closeRequested() override;
        int count() const { return m_count; }

    private:
        ConsoleSession& m_session;
        Icommander& m_target;
        std::atomic<int> m_count { 0 };
    };

    void run(Command command);
    // Serves main-thread calls until `done` holds.
    void serveUntil(const std::function<bool()>& done);

    SessionCommander m_errors;
    HeadlessMainThread m_ownMainThread;
    HeadlessMainThread& m_mainThread;
    std::atomic<bool> m_closing { false };
    PlatformService<MainThreadCaller>::Installation m_mainThreadInstallation;
    PlatformService<Icommander>::Installation m_defaultCommanderInstallation;
    ValueRef m_main;
    std::shared_ptr<tLogoCommanderProcess> m_commandLine;
    CommandLines m_lines;
};

} // namespace velmora
