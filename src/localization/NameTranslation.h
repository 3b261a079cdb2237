// Translation of internal names into the words of the current language.
//
// The system names everything by an internal English identifier; the language dictionary gives
// the words users type. Internal names written in texts begin with the middle dot ("·forward",
// "·setpencolour", "·other·true") and are replaced by the localized word. Setter names are formed
// by the dictionary's setter template ("set*"). Unknown internal names are not errors: a message
// shows them and they are used as they stand.
#pragma once

#include "localization/NameCode.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class Reporting { Silent, ShowMessages };

// The localized word for an internal name ("·x"); any other word unchanged. An apostrophe suffix
// ("·forward'x") is kept.
std::string normalize(std::string_view word, Reporting reporting = Reporting::Silent);
// Every "·" token of a text replaced by its localized word.
std::string translateText(std::string_view text);
// The setter prefix + the word cut at its first blank + the setter suffix.
std::string setterForm(std::string_view word);
// Every spelling of an internal primitive name: the synonyms of its "dict" entry (or "@name@"
// when it has none), with setter or getter forms for names beginning with "set*" or "*".
// Operator names ("+", "<=", "<unary ->") stand for themselves.
void forEachSpellingOf(
    std::string_view internalName, const std::function<void(std::string_view)>& visit);
// The name codes of those spellings, interned.
std::vector<NameCode> codesOf(std::string_view internalName);
// Whether the name is one of those spellings: a keyword given in the language's words.
bool isSpellingOf(NameCode name, std::string_view internalName);
// Whether the word is one of the synonyms of "any".
bool isAnySynonym(std::string_view word);

// Where translation messages ("???" + name, "word???N " + token) go; standard error by default.
void setTranslationMessageSink(std::function<void(const std::string&)> sink);

} // namespace velmora
