#include "interpreter/ErrorText.h"

#include "localization/LanguageDictionary.h"
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
        // The owner's name goes in front once objects have names of their own; procedures of the
        // main object (and the main window) are named alone.
        return error.procName;
    }

    std::string captionTemplate(std::string_view key)
    {
        return languageDictionary().getString("ErrorCaptions", key, MissingEntry::Report);
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

std::string errorMessage(const eLogoException& error, std::string_view separator)
{
    std::string message = errorMessage(error);
    const size_t lineBreak = message.find("\r\n");
    if (lineBreak != std::string::npos)
        message.replace(lineBreak, 2, separator);
    return message;
}

std::string errorCaption(const eLogoException& error, std::string_view defaultKey)
{
    if (error.placeKind == ipNone)
        return expandErrorTemplate(error, captionTemplate(defaultKey));
    if (error.placeKind == ipProc && error.line < 0)
        return expandErrorTemplate(error, captionTemplate("errorinproc"));
    return expandErrorTemplate(error, captionTemplate(inprocTypeName(error.placeKind)));
}

std::string errorMessage(const eLogoException& error)
{
    if (error.code == erUser)
        return error.userMessage;
    return expandErrorTemplate(error, errorTemplate(errorName(error.code)));
}

} // namespace velmora
