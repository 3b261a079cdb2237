// Script translation: a Logo text from one language's words into another's.
//
// Every word that names something of the system (a primitive, property, event, setter, class,
// option, "true", "false", "to", "end", "error", a "param" prefix before an apostrophe, the
// primitive after an object's name and apostrophe) becomes the other language's word for the
// same internal name. So do the variables and procedures that the system itself reads
// ("initList", also after ":"). Everything else stays byte for byte: user names, numbers,
// variables after ":", words between bars or with backslashes, comments after ";", the blanks
// and line breaks between words, and words after a quotation mark except the language's own
// words ("true, "false, "error). A word written in capitals stays in capitals, one in small
// letters in small letters, a capitalised one capitalised. Both sides are text in their
// language's code page.
#pragma once

#include "localization/LanguageVocabulary.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

std::string translateScript(
    std::string_view text, const LanguageVocabulary& from, const LanguageVocabulary& to);

// Between two languages by name, UTF-8 on both sides.
class ScriptTranslator {
public:
    // Nothing when a language has no dictionary; problem then says why, and otherwise holds a
    // line for each dictionary file that was passed over.
    static std::optional<ScriptTranslator> between(
        std::string_view from, std::string_view to, std::string& problem);

    // Nothing when a character has no place in a code page on the way.
    std::optional<std::string> translate(std::string_view utf8) const;

private:
    struct Side {
        std::string language;
        std::string codePage;
        std::unique_ptr<TDTables> dictionary;
        std::unique_ptr<LanguageVocabulary> vocabulary; // reads dictionary
    };

    ScriptTranslator() = default;

    Side m_from;
    Side m_to;
};

} // namespace velmora
