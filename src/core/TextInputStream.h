// TextInputStream: the input stream that "readword", "readlist", "readchar" and "eof?" read,
// opened by "readfrom" over a copy of the clipboard's text.
//
// There is one for the whole player (it belongs to the main object); touched under the
// interpreter lock only.
#pragma once

#include <optional>
#include <string>

namespace velmora {

class TextInputStream {
public:
    explicit TextInputStream(std::string text)
        : m_text(std::move(text))
    {
    }

    // The open stream, if any.
    static std::optional<TextInputStream>& current();

    bool atEnd() const { return m_position >= m_text.size(); }
    // The bytes up to and including the next CR and a LF right after it (or up to the end),
    // trimmed of blanks and control characters at both ends; empty at the end.
    std::string readLine();
    // The next byte; none at the end.
    std::optional<char> readByte();

private:
    std::string m_text;
    size_t m_position = 0;
};

} // namespace velmora
