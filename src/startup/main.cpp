// velmora: the project's command-line tool. It writes through C stdio, not iostreams, whose
// start-up (the standard streams and their locale) would be a fair part of a short run's.
#include "startup/DictCommand.h"
#include "startup/LogoCommand.h"
#include "startup/RunCommand.h"
#include "startup/TranslateCommand.h"

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace {

struct Subcommand {
    std::string_view name;
    int (*run)(std::span<const std::string_view> arguments);
    std::string_view usage;
};

const Subcommand subcommands[] = {
    { "logo", velmora::runLogoCommand, "logo [FILE|-] [--language NAME]  run Logo lines" },
    { "run", velmora::runRunCommand,
        "run FILE [--offscreen] [--screenshot OUT.png] [--quit-after MS] [--quit-when-idle]\n"
        "          [--language NAME]        run a Logo program in a window" },
    { "translate", velmora::runTranslateCommand,
        "translate FILE|- --from LANGUAGE --to LANGUAGE [-o OUT]\n"
        "                                   carry a Logo text into another language's words" },
    { "dict", velmora::runDictCommand,
        "dict encode|decode IN OUT        scramble or read a dictionary" },
};

int usage()
{
    std::fputs("usage: velmora COMMAND ...\n", stderr);
    for (const Subcommand& command : subcommands)
        std::fprintf(stderr, "  velmora %.*s\n", static_cast<int>(command.usage.size()),
            command.usage.data());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::vector<std::string_view> arguments(argv + 2, argv + argc);
    for (const Subcommand& command : subcommands)
        if (command.name == argv[1])
            return command.run(arguments);
    return usage();
}
