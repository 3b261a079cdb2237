// Text between the engine's 8-bit code page and UTF-8, at the boundaries of the program (the
// console, the widgets, file names).
//
// Plain ASCII is the same in both encodings and passes as it is; other text goes through iconv,
// whose converters are opened once, when first needed (opening one loads its module), and shared
// by whichever threads convert.
#pragma once

#include <iconv.h>
#include <mutex>
#include <string>
#include <string_view>

namespace velmora {

// The iconv name of the code page of a language ("WINDOWS-1252" for English).
std::string iconvCodePageOf(std::string_view language);

// One direction of conversion.
class CodePageConverter {
public:
    CodePageConverter(std::string to, std::string from);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

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

} // namespace velmora
