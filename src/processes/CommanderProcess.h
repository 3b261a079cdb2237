// tLogoCommanderProcess: the command line of a window or of the console runner. It runs the
// commands handed to it one at a time, each in its own step: an error is reported and the next
// command runs; "stopme", "stopall" or a stop request end only the running command. Only closing
// the command line ends the process. "pauseall" pauses it at its next yield point like any
// process, but it resumes itself when it takes its next command, so that "resumeall" can be typed.
#pragma once

#include "processes/lThread.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace velmora {

struct Command {
    enum class Kind { Run, Define };
    Kind kind;
    std::string text;
};

class tLogoCommanderProcess : public tLogoprocess {
public:
    explicit tLogoCommanderProcess(ProcessStart start);

    // Queues a command. Any thread.
    void submit(Command command);
    // Waits until every submitted command has run.
    void waitUntilIdle();
    // Whether every submitted command has run.
    bool idle() const;
    // Ends the process once the running command is done.
    void close();
    void waitFor() override;

protected:
    void body(InterpreterState& state) override;
    bool runsAgain() const override;
    bool endsOnError() const override { return false; }
    void stepStopped() override { }
    void stepEnded() override;

private:
    // The next command, waiting with the interpreter lock released; none once closed.
    std::optional<Command> next();

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Command> m_commands;
    uint64_t m_submitted = 0;
    uint64_t m_completed = 0;
    bool m_closed = false;
    bool m_running = false;
};

} // namespace velmora
