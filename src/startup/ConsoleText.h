// Text at the console boundary: the engine's 8-bit code page on one side, UTF-8 on the other.
// Output line breaks (CR LF inside the engine) become the console's LF.
#pragma once

#include "localization/CodePageConverter.h"

#include <string>
#include <string_view>

namespace velmora {

class ConsoleText {
public:
    explicit ConsoleText(const std::string& codePage);
    std::string fromConsole(std::string_view utf8) const;
    std::string toConsole(std::string_view text) const;

private:
    mutable CodePageConverter m_fromConsole;
    mutable CodePageConverter m_toConsole;
};

} // namespace velmora
