// Text at the console boundary: the engine's 8-bit code page on one side, UTF-8 on the other.
// Output line breaks (CR LF inside the engine) become the console's LF.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The iconv name of the code page of a language ("WINDOWS-1252" for English).
std::string iconvCodePageOf(std::string_view language);

class ConsoleText {
public:
    explicit ConsoleText(std::string codePage);
    std::string fromConsole(std::string_view utf8) const;
    std::string toConsole(std::string_view text) const;

private:
    std::string m_codePage;
};

} // namespace velmora
