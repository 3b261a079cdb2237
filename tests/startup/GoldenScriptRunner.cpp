#include "startup/GoldenScriptRunner.h"

#include "core/EngineStartup.h"
#include "interpreter/ErrorText.h"
#include "processes/AllThreads.h"
#include "startup/ConsoleSession.h"
#include "startup/ConsoleText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

namespace velmora {
namespace {

    struct Expectation {
        std::optional<std::string> output;
        std::optional<int> error;
    };

    class CapturingCommander : public Icommander {
    public:
        void reportError(const eLogoException& error) override
        {
            errors.push_back(error.code);
            messages.push_back(errorMessage(error));
        }
        void printText(std::string_view text) override { output += text; }

        std::string output;
        std::vector<int> errors;
        std::vector<std::string> messages;
    };

    // Splits "code ; expect: x" into the code and its expectation.
    Expectation splitExpectation(std::string& line)
    {
        Expectation expectation;
        const size_t marker = line.find("; expect");
        if (marker == std::string::npos)
            return expectation;
        const std::string rest = line.substr(marker + 2);
        line.resize(marker);
        if (rest.starts_with("expect error: "))
            expectation.error = std::stoi(rest.substr(14));
        else if (rest.starts_with("expect: "))
            expectation.output = rest.substr(8);
        else if (rest == "expect:")
            expectation.output = "";
        return expectation;
    }

    // The printed lines joined by line feeds, without the last one.
    std::string joinedLines(const std::string& printed)
    {
        std::string text;
        for (size_t i = 0; i < printed.size(); ++i) {
            if (printed[i] == '\r' && i + 1 < printed.size() && printed[i + 1] == '\n')
                continue;
            text += printed[i];
        }
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }

    // The expected lines joined by line feeds, as the printed text is.
    std::string expectedLines(const std::string& expectation)
    {
        std::string text;
        for (size_t i = 0; i < expectation.size(); ++i) {
            const bool lineBreak = expectation.compare(i, 2, "\\n") == 0;
            text += lineBreak ? '\n' : expectation[i];
            i += lineBreak ? 1 : 0;
        }
        return text;
    }

    std::string asExpectationText(const std::string& printed)
    {
        const std::string text = joinedLines(printed);
        std::string escaped;
        for (char c : text)
            escaped += c == '\n' ? std::string("\\n") : std::string(1, c);
        return escaped;
    }

    // A line still running after this long is stopped, with every process, and fails: a line
    // that deadlocks fails by itself instead of holding up the whole run.
    constexpr std::chrono::seconds lineTimeLimit { 60 };

    // Runs a line; false when it had to be stopped.
    bool feedWithinLimit(ConsoleSession& session, const std::string& line)
    {
        std::mutex mutex;
        std::condition_variable changed;
        bool ended = false;
        bool stopped = false;
        std::thread watchdog([&] {
            std::unique_lock lock(mutex);
            if (changed.wait_for(lock, lineTimeLimit, [&] { return ended; }))
                return;
            stopped = true;
            for (const auto& process : tallthreads::instance().processes())
                process->requestStop();
        });
        session.feedLine(line);
        {
            std::lock_guard lock(mutex);
            ended = true;
        }
        changed.notify_all();
        watchdog.join();
        return !stopped;
    }

} // namespace

void runGoldenScript(
    const std::string& path, std::istream& file, const GoldenScriptLanguage& language)
{
    {
        ASSERT_TRUE(startEngine(language.name)) << language.name;
        const ConsoleText text(iconvCodePageOf(language.name));
        CapturingCommander commander;
        ConsoleSession session(commander);
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            const Expectation expectation = splitExpectation(line);
            commander.output.clear();
            commander.errors.clear();
            commander.messages.clear();
            const std::string where = path + ":" + std::to_string(number) + ": " + line;
            if (!feedWithinLimit(session, text.fromConsole(line))) {
                ADD_FAILURE() << where << "\n  did not end within " << lineTimeLimit.count()
                              << " s";
                continue;
            }
            if (!language.checksLine(number))
                continue;
            const std::string shown = text.toConsole(commander.output);
            const std::string printed = asExpectationText(language.inExpectationsLanguage(shown));
            if (expectation.error) {
                if (commander.errors.size() != 1)
                    ADD_FAILURE() << where << "\n  reported " << commander.errors.size()
                                  << " errors, not error " << *expectation.error;
                else
                    EXPECT_EQ(commander.errors[0], *expectation.error) << where;
            } else if (!commander.errors.empty()) {
                ADD_FAILURE() << where << "\n  reported error " << commander.errors[0] << ": "
                              << text.toConsole(commander.messages[0]);
            }
            if (expectation.output && printed != *expectation.output
                && !language.printsInItsWords(
                    joinedLines(shown), expectedLines(*expectation.output))) {
                EXPECT_EQ(printed, *expectation.output) << where;
            }
        }
        session.finish();
    }
    startEngine("english");
}

std::vector<std::string> goldenScripts()
{
    std::vector<std::string> scripts;
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_LOGO_TESTS))
        if (entry.path().extension() == ".logo")
            scripts.push_back(entry.path().string());
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

std::string goldenScriptName(const std::string& path)
{
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

} // namespace velmora
