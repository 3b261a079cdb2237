// ProgramVocabulary: the words the program fuzzer builds Logo programs from.
//
// Every spelling of the language dictionary's "dict" section (primitives, properties and events
// alike), the words of the sections that name options, classes, system names and keywords, and the
// primitives among the spellings with their input counts as a main object reports them. Next to
// them stand fixed lists of the tokens the reader and the evaluator treat specially: numbers at
// the edges of their kinds, awkward words, punctuation, infix operators and prefixes.
#pragma once

#include "values/LogoObject.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fuzzing {

// A primitive as a call can be written: its spelling and its inputs without parentheses.
struct PrimitiveSpelling {
    std::string name;
    int32_t inputs;
    bool anyNumber; // takes any number of inputs in parentheses
};

class ProgramVocabulary {
public:
    // Reads the current language's dictionary and looks every spelling up in the main object.
    // Under the interpreter lock, on a thread with an active interpreter state.
    explicit ProgramVocabulary(tlogoobject* main);

    std::span<const std::string> spellings() const { return m_spellings; }
    std::span<const std::string> keywords() const { return m_keywords; }
    std::span<const PrimitiveSpelling> primitives() const { return m_primitives; }

    static std::span<const std::string_view> numbers();
    static std::span<const std::string_view> words();
    // Names the prelude of every run defines: procedures first, then variables.
    static std::span<const std::string_view> procedureNames();
    static std::span<const std::string_view> variableNames();
    static std::span<const std::string_view> punctuation();
    static std::span<const std::string_view> operators();
    // Object prefixes that end in an apostrophe ("'", "usual'", "receiver'"...).
    static std::span<const std::string_view> prefixes();

private:
    std::vector<std::string> m_spellings;
    std::vector<std::string> m_keywords;
    std::vector<PrimitiveSpelling> m_primitives;
};

} // namespace velmora::fuzzing
