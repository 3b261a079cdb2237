// ProgramWriter: turns the fuzzer's input bytes into a Logo program, as lines of text.
//
// The bytes drive two kinds of line, mixed: token soup, where each choice picks any token of the
// vocabulary, so that definitions, brackets, operators and prefixes end up anywhere; and
// well-formed calls of a primitive with inputs of every kind, so that the primitives themselves
// see the values they must accept or refuse instead of stopping at the evaluator's syntax errors.
// Calls also stand inside soup, and soup inside the instruction lists that calls take, so the two
// mix at every level. Lines of bytes taken as they are come in between, for the reader's sake and
// for seeds written by hand. A line that begins with "to" opens a definition, up to a line "end",
// as on the console. Sizes are bounded so that writing and running a program stay fast; list
// nesting in particular stays far below the depths that freeing a list cannot yet survive.
#pragma once

#include "ProgramVocabulary.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora::fuzzing {

class ProgramWriter {
public:
    ProgramWriter(const ProgramVocabulary& vocabulary, std::span<const uint8_t> bytes);

    std::vector<std::string> program();

private:
    void soupLine(std::string& line, int depth);
    void soupToken(std::string& out, int depth);
    void callLine(std::string& line);
    void call(std::string& out, int depth);
    void input(std::string& out, int depth);
    void literal(std::string& out, int depth);
    void longValue(std::string& out);
    void definition(std::vector<std::string>& lines);
    void verbatim(std::vector<std::string>& lines);

    void instructionList(std::string& out, int depth);
    void number(std::string& out);
    void word(std::string& out);
    void spelling(std::string& out);
    void primitiveSpelling(std::string& out);
    template <typename List> void pick(std::string& out, const List& list)
    {
        out += list[m_bytes.ConsumeIntegralInRange<size_t>(0, list.size() - 1)];
    }

    const ProgramVocabulary& m_vocabulary;
    FuzzedDataProvider m_bytes;
};

} // namespace velmora::fuzzing
