#include "core/TextInputStream.h"

namespace velmora {

namespace {

    bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

    std::string trimmed(std::string_view line)
    {
        while (!line.empty() && isBlankOrControl(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && isBlankOrControl(line.back()))
            line.remove_suffix(1);
        return std::string(line);
    }

} // namespace

std::optional<TextInputStream>& TextInputStream::current()
{
    static std::optional<TextInputStream> stream;
    return stream;
}

std::string TextInputStream::readLine()
{
    if (atEnd())
        return {};
    size_t end = m_text.find('\r', m_position);
    end = end == std::string::npos ? m_text.size() : end + 1;
    if (end < m_text.size() && m_text[end] == '\n')
        ++end;
    const std::string_view line = std::string_view(m_text).substr(m_position, end - m_position);
    m_position = end;
    return trimmed(line);
}

std::optional<char> TextInputStream::readByte()
{
    if (atEnd())
        return std::nullopt;
    return m_text[m_position++];
}

} // namespace velmora
