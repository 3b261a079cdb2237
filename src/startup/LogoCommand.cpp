#include "startup/LogoCommand.h"

#include "core/EngineStartup.h"
#include "processes/ProcessThreadPool.h"
#include "startup/ConsoleCommander.h"
#include "startup/ConsoleSession.h"
#include "startup/FutexTable.h"
#include "startup/OneCpu.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
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

    // The next line of the input without its line feed, as the line reader of an iostream gives
    // it; false at the end of the input.
    bool readLine(std::FILE* input, std::string& line)
    {
        char* buffer = nullptr;
        size_t room = 0;
        const ssize_t length = ::getline(&buffer, &room, input);
        const std::unique_ptr<char, decltype(&std::free)> owned(buffer, &std::free);
        if (length < 0)
            return false;
        line.assign(buffer, static_cast<size_t>(length));
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        return true;
    }

    int runSession(std::FILE* input, const LogoOptions& options, bool interactive)
    {
        if (!startEngine(options.language)) {
            std::fprintf(stderr, "Language %s not available\n", options.language.c_str());
            return 2;
        }
        keepThreadsOnThisCpu();
        processThreads().setGrowthHook(sizeFutexTableFor);
        const ConsoleText text(iconvCodePageOf(options.language));
        ConsoleCommander commander(text);
        ConsoleSession session(commander);
        std::string line;
        int readError = 0;
        while (!session.closing()) {
            if (interactive) {
                std::fputs(session.collectingDefinition() ? "> " : "? ", stdout);
                std::fflush(stdout);
            }
            if (!readLine(input, line)) {
                readError = std::ferror(input) ? errno : 0;
                break;
            }
            session.feedLine(text.fromConsole(line));
            std::fflush(stdout);
        }
        session.finish();
        std::fflush(stdout);
        // A folder opens like a file but gives no line: that must not pass for an empty program.
        if (readError != 0) {
            const char* name = options.file == "-" ? "standard input" : options.file.c_str();
            std::fprintf(stderr, "velmora: cannot read %s: %s\n", name, std::strerror(readError));
            return 2;
        }
        return session.errorCount() > 0 ? 1 : 0;
    }

} // namespace

int runLogoCommand(std::span<const std::string_view> arguments)
{
    LogoOptions options;
    if (!parseOptions(arguments, options)) {
        std::fputs("usage: velmora logo [FILE|-] [--language NAME]\n", stderr);
        return 2;
    }
    if (options.file == "-")
        return runSession(stdin, options, isatty(STDIN_FILENO));
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(
        std::fopen(options.file.c_str(), "rb"), &std::fclose);
    if (!file) {
        std::fprintf(stderr, "velmora: cannot open %s\n", options.file.c_str());
        return 2;
    }
    return runSession(file.get(), options, false);
}

} // namespace velmora
