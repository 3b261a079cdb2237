// Text at the console boundary: the engine's 8-bit code page on one side, UTF-8 on the other.
// Output line breaks (CR LF inside the engine) become the console's LF.
//
// Plain ASCII is the same in both encodings and passes as it is; other text goes through iconv,
// whose converters are opened once, when first needed (opening one loads its module), and shared
// by whichever threads print.
#pragma once

#include <iconv.h>
#include <mutex>
#include <string>
#include <string_view>

namespace velmora {

// The iconv name of the code page of a language ("WINDOWS-1252" for English).
std::string iconvCodePageOf(std::string_view language);

class ConsoleText {
public:
    explicit ConsoleText(const std::string& codePage);
    std::string fromConsole(std::string_view utf8) const;
    std::string toConsole(std::string_view text) const;

private:
    // One direction of conversion.
    class Converter {
    public:
        Converter(std::string to, std::string from);
        ~Converter();
        Converter(const Converter&) = delete;
        Converter& operator=(const Converter&) = delete;

        // A character that cannot be converted becomes "?", so nothing is lost silently to a
        // half-converted line; without a converter for the pair the text stays as it is.
        std::string convert(std::string_view text);

    private:
        const std::string m_to;
        const std::string m_from;
        const bool m_fromUtf8;
        std::mutex m_lock;
        bool m_opened = false;
        iconv_t m_converter = reinterpret_cast<iconv_t>(-1);
    };

    mutable Converter m_fromConsole;
    mutable Converter m_toConsole;
};

} // namespace velmora
