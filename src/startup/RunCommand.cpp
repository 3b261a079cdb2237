#include "startup/RunCommand.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace velmora {

int runRunCommand(std::span<const std::string_view> arguments)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        std::fprintf(stderr, "velmora: cannot find where this program lies\n");
        return 2;
    }
    std::string runner(self, static_cast<size_t>(length));
    runner.resize(runner.rfind('/') + 1);
    runner += "velmora-run";
    std::vector<std::string> owned { runner };
    for (std::string_view argument : arguments)
        owned.emplace_back(argument);
    std::vector<char*> argv;
    for (std::string& argument : owned)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(runner.c_str(), argv.data());
    std::fprintf(stderr, "velmora: cannot start %s: %s\n", runner.c_str(), std::strerror(errno));
    return 2;
}

} // namespace velmora
