#include "localization/DictionaryText.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

    char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

    size_t find(std::string_view text, std::string_view pattern, size_t from, LetterCase letterCase)
    {
        if (letterCase == LetterCase::Exact)
            return text.find(pattern, from);
        const auto sameLetter = [](char a, char b) { return asciiLower(a) == asciiLower(b); };
        const auto start = text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size()));
        const auto found
            = std::search(start, text.end(), pattern.begin(), pattern.end(), sameLetter);
        if (found == text.end() && !pattern.empty())
            return std::string_view::npos;
        return static_cast<size_t>(found - text.begin());
    }

    std::string transformed(std::string_view text, char (*letter)(char))
    {
        std::string result(text);
        std::transform(result.begin(), result.end(), result.begin(), letter);
        return result;
    }

} // namespace

std::string asciiLowered(std::string_view text) { return transformed(text, asciiLower); }
std::string asciiUppered(std::string_view text) { return transformed(text, asciiUpper); }

void lowerAscii(std::span<char> text)
{
    std::transform(text.begin(), text.end(), text.begin(), asciiLower);
}

std::string_view firstSynonym(std::string_view text) { return text.substr(0, text.find(' ')); }

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    std::string_view rest = text;
    size_t at = rest.find(separator);
    while (at != std::string_view::npos) {
        const std::string_view piece = rest.substr(0, at);
        pieces.emplace_back(pieces.empty() ? piece : trimmed(piece));
        rest = trimmed(rest.substr(at + 1));
        at = rest.find(separator);
    }
    if (!rest.empty())
        pieces.emplace_back(rest);
    return pieces;
}

std::string replaceFirst(std::string_view text, std::string_view pattern,
    std::string_view replacement, LetterCase letterCase)
{
    const size_t at = find(text, pattern, 0, letterCase);
    if (at == std::string_view::npos)
        return std::string(text);
    std::string result(text.substr(0, at));
    result += replacement;
    result += text.substr(at + pattern.size());
    return result;
}

std::string replaceAll(std::string_view text, std::string_view pattern,
    std::string_view replacement, LetterCase letterCase)
{
    if (pattern.empty())
        return std::string(text);
    std::string result;
    size_t from = 0;
    size_t at = find(text, pattern, from, letterCase);
    while (at != std::string_view::npos) {
        result += text.substr(from, at - from);
        result += replacement;
        from = at + pattern.size();
        at = find(text, pattern, from, letterCase);
    }
    result += text.substr(from);
    return result;
}

} // namespace velmora
