#include "startup/ConsoleCommander.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace velmora {
namespace {

    // What the commander writes to standard output while it is the writing end of `reading`'s
    // pair, standard output given back afterwards.
    std::string writtenTo(int writing, int reading, const std::function<void()>& write)
    {
        std::fflush(stdout);
        const int saved = dup(STDOUT_FILENO);
        dup2(writing, STDOUT_FILENO);
        write();
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        close(writing);
        fcntl(reading, F_SETFL, O_NONBLOCK);
        std::string text;
        char buffer[64];
        for (ssize_t count; (count = read(reading, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<size_t>(count));
        close(reading);
        return text;
    }

    // Clearing the text clears a terminal's screen; text gone into a pipe stays as it was.
    TEST(ConsoleCommanderTest, ClearingTextClearsATerminalOnly)
    {
        const ConsoleText text(iconvCodePageOf("english"));
        ConsoleCommander commander(text);
        auto clear = [&] { commander.clearText(); };

        int terminal = -1, controller = -1;
        ASSERT_EQ(openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(writtenTo(terminal, controller, clear), "\033[H\033[2J");

        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        EXPECT_EQ(writtenTo(pipeEnds[1], pipeEnds[0], clear), "");
    }

} // namespace
} // namespace velmora
