#include "startup/LogoCommand.h"

#include "core/EngineStartup.h"
#include "startup/ConsoleCommander.h"
#include "startup/ConsoleSession.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace velmora {

namespace {

    struct LogoOptions {
        std::string file = "-";
        std::string language = "english";
    };

    bool parseOptions(std::span<const std::string_view> arguments, LogoOptions& options)
    {
        for (size_t i = 0; i < arguments.size(); ++i) {
            if (arguments[i] == "--language" && i + 1 < arguments.size())
                options.language = arguments[++i];
            else if (!arguments[i].starts_with("--"))
                options.file = arguments[i];
            else
                return false;
        }
        return true;
    }

    int runSession(std::istream& input, const LogoOptions& options, bool interactive)
    {
        if (!startEngine(options.language)) {
            std::cerr << "Language " << options.language << " not available\n";
            return 2;
        }
        const ConsoleText text(iconvCodePageOf(options.language));
        ConsoleCommander commander(text);
        ConsoleSession session(commander);
        std::string line;
        for (;;) {
            if (interactive)
                std::cout << (session.collectingDefinition() ? "> " : "? ") << std::flush;
            if (commander.closing() || !std::getline(input, line))
                break;
            session.feedLine(text.fromConsole(line));
            std::cout.flush();
        }
        session.finish();
        std::fflush(stdout);
        return session.errorCount() > 0 ? 1 : 0;
    }

} // namespace

int runLogoCommand(std::span<const std::string_view> arguments)
{
    LogoOptions options;
    if (!parseOptions(arguments, options)) {
        std::cerr << "usage: velmora logo [FILE|-] [--language NAME]\n";
        return 2;
    }
    if (options.file == "-")
        return runSession(std::cin, options, isatty(STDIN_FILENO));
    std::ifstream file(options.file, std::ios::binary);
    if (!file) {
        std::cerr << "velmora: cannot open " << options.file << "\n";
        return 2;
    }
    return runSession(file, options, false);
}

} // namespace velmora
