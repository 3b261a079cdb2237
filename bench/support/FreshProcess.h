// Runs a measurement in a child process of its own, as a user's program would run: a run that
// reused memory an earlier run gave back to the allocator would take no page faults and measure
// less than a program does.
#pragma once

#include <optional>
#include <sys/wait.h>
#include <type_traits>
#include <unistd.h>

namespace velmora {

// The measurement's result, handed back through a pipe (so a plain struct); none when the
// measurement gave none or the child failed.
template <typename Measure> auto inFreshProcess(Measure measure) -> decltype(measure())
{
    using Result = typename decltype(measure())::value_type;
    static_assert(std::is_trivially_copyable_v<Result>);
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::optional<Result> result = measure();
        const bool written
            = result && write(channel[1], &*result, sizeof(Result)) == sizeof(Result);
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    Result result {};
    const bool read = child > 0 && ::read(channel[0], &result, sizeof result) == sizeof result;
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return read ? std::optional<Result>(result) : std::nullopt;
}

} // namespace velmora
