#include "localization/CodePageConverter.h"

#include "localization/NameComparison.h"

#include <algorithm>
#include <cerrno>

namespace velmora {

namespace {

    bool isAscii(std::string_view text)
    {
        return std::all_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    }

    const iconv_t noConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

std::string iconvCodePageOf(std::string_view language)
{
    switch (codePageOfLanguage(language)) {
    case CodePage::Windows1250:
        return "WINDOWS-1250";
    case CodePage::Windows1257:
        return "WINDOWS-1257";
    case CodePage::Windows1252:
        break;
    }
    return "WINDOWS-1252";
}

CodePageConverter::CodePageConverter(std::string to, std::string from)
    : m_to(std::move(to))
    , m_from(std::move(from))
    , m_fromUtf8(m_from == "UTF-8")
{
}

CodePageConverter::~CodePageConverter()
{
    if (m_converter != noConverter)
        iconv_close(m_converter);
}

std::string CodePageConverter::convert(std::string_view text)
{
    if (isAscii(text))
        return std::string(text);
    std::lock_guard guard(m_lock);
    if (!m_opened) {
        m_converter = iconv_open(m_to.c_str(), m_from.c_str());
        m_opened = true;
    }
    if (m_converter == noConverter)
        return std::string(text);
    // Back to the initial shift state, whatever the last text left.
    iconv(m_converter, nullptr, nullptr, nullptr, nullptr);
    std::string input(text);
    std::string output(input.size() * 4 + 4, '\0');
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    while (inLeft > 0) {
        if (iconv(m_converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            break;
        *out++ = '?';
        --outLeft;
        // One "?" for a whole UTF-8 character: its continuation bytes go with it.
        do {
            ++in;
            --inLeft;
        } while (m_fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
    }
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace velmora
