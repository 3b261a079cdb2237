#include "startup/ConsoleText.h"

namespace velmora {

ConsoleText::ConsoleText(const std::string& codePage)
    : m_fromConsole(codePage, "UTF-8")
    , m_toConsole("UTF-8", codePage)
{
}

std::string ConsoleText::fromConsole(std::string_view utf8) const
{
    return m_fromConsole.convert(utf8);
}

std::string ConsoleText::toConsole(std::string_view text) const
{
    std::string unixText;
    unixText.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        unixText += text[i];
    }
    return m_toConsole.convert(unixText);
}

} // namespace velmora
