#include "startup/ConsoleCommander.h"

#include "interpreter/ErrorText.h"

#include <unistd.h>

namespace velmora {

std::string errorLine(const eLogoException& error)
{
    std::string line = "error ";
    line.append(std::to_string(error.code)).append(": ");
    // The message's line breaks become blanks: one error, one line.
    const std::string message = errorMessage(error);
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n')
            continue;
        line += message[i] == '\n' ? ' ' : message[i];
    }
    return line;
}

ConsoleCommander::ConsoleCommander(const ConsoleText& text)
    : m_text(text)
{
}

void ConsoleCommander::reportError(const eLogoException& error)
{
    std::fflush(stdout);
    const std::string line = m_text.toConsole(errorLine(error)) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

// A finished line goes out at once: processes print while the runner waits, and a pipe would
// otherwise hold their lines until the program ends, or lose them if it is killed.
void ConsoleCommander::printText(std::string_view text)
{
    const std::string converted = m_text.toConsole(text);
    std::fwrite(converted.data(), 1, converted.size(), stdout);
    if (converted.find('\n') != std::string::npos)
        std::fflush(stdout);
}

void ConsoleCommander::clearText()
{
    if (!isatty(fileno(stdout)))
        return;
    // Home the cursor, then erase the whole screen.
    static constexpr char clearScreen[] = "\033[H\033[2J";
    std::fwrite(clearScreen, 1, sizeof clearScreen - 1, stdout);
    std::fflush(stdout);
}

} // namespace velmora
