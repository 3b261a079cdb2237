// LanguageWords: the few words of the current language that values need to know themselves:
// the true and false words, the "any" words, and the translation of internal names.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

bool isTrueWord(std::string_view word);
bool isFalseWord(std::string_view word);
bool isAnyWord(std::string_view word);
// The first true or false word, as the program writes it.
std::string booleanWord(bool value);
// A text beginning with the middle dot (an internal name) becomes the localized word; any other
// text is returned unchanged.
std::string translateInternalName(std::string text);
// The prefix that calls an overridden procedure ("usual'").
const std::string& usualPrefix();
// The localized name of the main class, which a leading apostrophe stands for.
std::string mainClassName();
// The message template of an error, by its internal name.
std::string errorTemplate(std::string_view errorName);
// Text shown for values that have no text form of their own.
std::string instanceDescription(std::string_view className);

} // namespace velmora
