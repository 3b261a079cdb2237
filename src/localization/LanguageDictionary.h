// The language dictionary: the current language's Logo vocabulary, messages and settings.
//
// Exactly one language dictionary is current. Its "dict" section maps every internal English
// name of a primitive, property or event to a blank-separated list of synonyms whose first is
// the main word; "text" holds the run-time messages; "other", "param" and "system" hold the
// words for true and false, the default-parameter word and the setter template. Those few
// settings are read once when a language becomes current. A lookup that finds nothing gives
// empty text, or "@key@" where a word is needed so that a missing translation shows up; some
// lookups also report it through the message sink and the program carries on. Looking anything
// up before a dictionary is loaded is a broken start-up sequence: it is reported and the
// program ends.
//
// Locking: the dictionary is loaded and read under the interpreter lock (or by the window
// thread before any process runs); it holds no lock of its own.
#pragma once

#include "localization/DTables.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class MissingEntry { Ignore, Report };
enum class LoadMode { Switch, TestOnly };

using MessageSink = std::function<void(const std::string&)>;
// Creates the dictionary of a lower-cased language name; nothing when there is none.
using DictionaryLoader = std::function<std::unique_ptr<TDTables>(const std::string&)>;

class LanguageDictionary {
public:
    LanguageDictionary();

    // Lookups. Each section and key is folded A to Z before comparing.
    std::string getString(std::string_view section, std::string_view key, MissingEntry) const;
    // The value as the dictionary holds it, without a copy; valid until another dictionary is
    // installed.
    std::string_view entry(std::string_view section, std::string_view key, MissingEntry) const;
    // The "dict", "set" and "get" entries of a key, as entry() gives them.
    std::string_view dictionaryWord(std::string_view key) const;
    std::string_view setterWords(std::string_view key) const;
    std::string_view getterWords(std::string_view key) const;
    std::string firstDictionaryWord(std::string_view key) const;
    std::string firstWord(std::string_view section, std::string_view key) const;
    std::string firstWordOrEmpty(std::string_view section, std::string_view key) const;
    std::vector<std::string> synonyms(std::string_view key) const;

    // Messages of section "text", with "\n" turned into CR LF.
    std::string message(std::string_view key) const;
    // The first "%s" (or "%S") is replaced by text.
    std::string message(std::string_view key, std::string_view text) const;
    // The first "%s1" is replaced by text1, then the first "%s2" by text2.
    std::string message(std::string_view key, std::string_view text1, std::string_view text2) const;

    // Synonym tests compare under the current name comparison.
    bool isSynonym(std::string_view key, std::string_view word) const;
    bool isSynonymInSection(
        std::string_view section, std::string_view key, std::string_view word) const;
    bool isTrueWord(std::string_view word) const;
    bool isFalseWord(std::string_view word) const;
    // The main localized word for true or false, without accents when the ansi option is on.
    std::string booleanWord(bool flag) const;

    // Settings read when a language becomes current.
    const std::string& currentLanguage() const { return m_language; }
    const std::string& trueWords() const { return m_trueWords; }
    // The synonyms of "any", read once: every numeric input of a turtle command asks for them.
    const std::string& anyWords() const { return m_anyWords; }
    const std::string& falseWords() const { return m_falseWords; }
    // The word that introduces a default parameter value, apostrophe included ("usual'").
    const std::string& defaultParameterWord() const { return m_defaultParameterWord; }
    const std::string& setterPrefix() const { return m_setterPrefix; }
    const std::string& setterSuffix() const { return m_setterSuffix; }

    // The user option "ansi": words the program writes lose their accents.
    void setAnsiOption(bool on) { m_ansiOption = on; }
    bool ansiOption() const { return m_ansiOption; }

    // Language switching. "*" and the empty name mean "english".
    bool hasDictionary() const { return m_dictionary != nullptr; }
    bool isCurrentLanguage(std::string_view name) const;
    // False when no dictionary could be created; the current one then stays in force.
    bool loadLanguage(std::string_view name, LoadMode mode = LoadMode::Switch);
    // Makes the dictionary current under the given language name and runs the switch hooks.
    void install(std::unique_ptr<TDTables> dictionary, std::string_view language);

    // Hooks: where messages go (standard error by default), how dictionaries are created (the
    // ".ldx" file or the built-in block by default, a file passed over reported as a message),
    // and what must follow a switch.
    void setMessageSink(MessageSink sink) { m_messageSink = std::move(sink); }
    void report(const std::string& message) const { m_messageSink(message); }
    void setLoader(DictionaryLoader loader) { m_loader = std::move(loader); }
    void addSwitchHook(std::function<void()> hook) { m_switchHooks.push_back(std::move(hook)); }

private:
    const TDTables& dictionary() const;
    void readSettings();
    // A section found at installation; like every lookup, aborts when there is no dictionary.
    const TDTable* installedSection(const TDTable* section) const;
    // The entry in a section found beforehand (none when the dictionary has no such section).
    std::string_view entryIn(const TDTable* table, std::string_view section, std::string_view key,
        MissingEntry missing) const;
    bool isOneOf(std::string_view synonymList, std::string_view word) const;

    std::unique_ptr<TDTables> m_dictionary;
    // The sections that translating primitive names searches once per name, found when the
    // dictionary is installed.
    const TDTable* m_dictSection = nullptr;
    const TDTable* m_setSection = nullptr;
    const TDTable* m_getSection = nullptr;
    std::string m_language = "english";
    std::string m_trueWords = "true";
    std::string m_falseWords = "false";
    std::string m_anyWords = "any";
    std::string m_defaultParameterWord = "usual'";
    std::string m_setterPrefix = "set";
    std::string m_setterSuffix;
    bool m_ansiOption = false;
    MessageSink m_messageSink;
    DictionaryLoader m_loader;
    std::vector<std::function<void()>> m_switchHooks;
};

// The process-wide language dictionary.
LanguageDictionary& languageDictionary();

// The word as the synonym tests compare it: an internal "·name" translated into the current
// language.
std::string normalizeForSynonym(std::string_view word);

} // namespace velmora
