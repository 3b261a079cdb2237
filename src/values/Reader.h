// The reader: turns text into a list of Logo values.
//
// Text is read token by token (words, numbers, brackets, line breaks) following the tokenizer
// states of the language: backslash escapes and character codes, words between bars, quoted
// words, signed numbers after a break, and the pilcrow standing for a line break inside words.
// Reading never fails except for unbalanced brackets (errors 194 and 48).
#pragma once

#include "values/LogoList.h"

#include <string>
#include <string_view>

namespace velmora {

enum class BracketPolicy : uint8_t {
    Strict, // a missing "]" is error 194
    CloseSilently, // a project being loaded closes open lists at the end of the text
};

// The whole text as one list; line breaks separate elements. Returns a list with no holder.
tLogoList* readList(std::string_view text, BracketPolicy policy = BracketPolicy::Strict);
// One sublist per CR LF terminated line of the trimmed text.
tLogoList* readLines(std::string_view text);
// The line (from 1) on which the n-th element stands, counting every word, number and "[" in
// reading order; -1 when the text has fewer than n elements.
int32_t locateElement(std::string_view text, int32_t n);

} // namespace velmora
