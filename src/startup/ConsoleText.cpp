#include "startup/ConsoleText.h"

#include "localization/NameComparison.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <memory>

namespace velmora {

namespace {

    // Converts with iconv; a byte that cannot be converted becomes "?", so nothing is lost silently
    // to a half-converted line.
    std::string convert(std::string_view text, const char* to, const char* from)
    {
        iconv_t converter = iconv_open(to, from);
        if (converter == reinterpret_cast<iconv_t>(-1))
            return std::string(text);
        std::unique_ptr<void, int (*)(iconv_t)> guard(converter, iconv_close);
        std::string input(text);
        std::string output(input.size() * 4 + 4, '\0');
        char* in = input.data();
        size_t inLeft = input.size();
        char* out = output.data();
        size_t outLeft = output.size();
        while (inLeft > 0) {
            if (iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG)
                break;
            *out++ = '?';
            --outLeft;
            ++in;
            --inLeft;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

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

ConsoleText::ConsoleText(std::string codePage)
    : m_codePage(std::move(codePage))
{
}

std::string ConsoleText::fromConsole(std::string_view utf8) const
{
    return convert(utf8, m_codePage.c_str(), "UTF-8");
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
    return convert(unixText, "UTF-8", m_codePage.c_str());
}

} // namespace velmora
