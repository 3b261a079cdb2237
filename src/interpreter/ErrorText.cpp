#include "interpreter/ErrorText.h"

#include "localization/LanguageWords.h"
#include "localization/NameCodes.h"

namespace velmora {

namespace {

    std::string offendingValue(const eLogoException& error, bool bracketed)
    {
        if (!error.datum)
            return error.datumCode ? NameCodes::instance().nameOf(error.datumCode) : "<nil>";
        try {
            return error.datum->printForm(bracketed);
        } catch (const eLogoException&) {
            return "????";
        }
    }

    std::string placeName(const eLogoException& error)
    {
        // The owner's name goes in front once objects have names of their own.
        return error.procName;
    }

} // namespace

std::string expandErrorTemplate(const eLogoException& error, std::string_view templateText)
{
    std::string text;
    for (size_t i = 0; i < templateText.size(); ++i) {
        const char c = templateText[i];
        if (c != '#' || i + 1 == templateText.size()) {
            text += c;
            continue;
        }
        const char placeholder = templateText[++i];
        switch (placeholder) {
        case 'F':
            text += error.fileText;
            break;
        case 'H':
            text += offendingValue(error, true);
            break;
        case 'c':
        case 'h':
            text += offendingValue(error, false);
            break;
        case 'L':
            text += std::to_string(error.line);
            break;
        case 'P':
            text += placeName(error);
            break;
        case 'a':
            text += std::to_string(error.numA);
            break;
        case 'b':
            text += std::to_string(error.numB);
            break;
        case 'p':
            text += error.primName;
            break;
        default:
            text += '#';
            text += placeholder;
            break;
        }
    }
    return text;
}

std::string errorMessage(const eLogoException& error)
{
    if (error.code == erUser)
        return error.userMessage;
    return expandErrorTemplate(error, errorTemplate(errorName(error.code)));
}

} // namespace velmora
