#include "startup/ConsoleCommander.h"

#include "interpreter/ErrorText.h"

namespace velmora {

std::string errorLine(const eLogoException& error)
{
    std::string message = errorMessage(error);
    for (size_t at; (at = message.find("\r\n")) != std::string::npos;)
        message.replace(at, 2, " ");
    return "error " + std::to_string(error.code) + ": " + message;
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

void ConsoleCommander::printText(std::string_view text)
{
    const std::string converted = m_text.toConsole(text);
    std::fwrite(converted.data(), 1, converted.size(), stdout);
}

} // namespace velmora
