// tLogoCommanderProcess: the command line of a window or of the console runner. It runs the
// commands handed to it one at a time, each in its own step: an error is reported and the next
// command runs; "stopme", "stopall" or a stop request end only the running command. Only closing
// the command line ends the process. "pauseall" pauses it at its next yield point like any
// process, but it resumes itself when it takes its next command, so that "resumeall" can be typed.
//
// A stop request concerns the command running when it comes, and waiting for the process means
// waiting for that command to end: a request that comes while the command line waits for a
// command stops nothing and has nothing to wait for, even when a command has been taken by the
// time its requester waits. Taking a command, ending one and a stop request are all decided under
// the command lock, so that no request falls between taking a command and running it.
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
    // Whether every submitted command has run.
    bool idle() const;
    // Ends the process once the running command is done.
    void close();
    void requestStop() override;
    // Waits until the command that the latest stop request concerned has ended.
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
    bool running() const { return m_taken > m_completed; }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Command> m_commands;
    // Commands numbered in the order they were submitted.
    uint64_t m_submitted = 0;
    uint64_t m_taken = 0; // a command runs while m_taken > m_completed
    uint64_t m_completed = 0;
    uint64_t m_stopTarget = 0; // the command the latest stop request concerned
    bool m_closed = false;
};

} // namespace velmora
