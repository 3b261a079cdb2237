// The count limit: "count" reports the number of characters of a word and the number of elements
// of a list as a 32-bit integer, so nothing may be longer than the largest of them.
//
// Whatever builds a word checks the length it will have before it allocates the text: a word
// that would be too long is refused at once, not after gigabytes were filled. A list that long
// would need some hundred gigabytes of cells, and its builders cannot know the length of a tail
// they share, so lists are checked where they are counted. Either way the error is 43 (too big a
// number) naming the count, and no count ever turns negative.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

constexpr uint64_t largestCount = INT32_MAX;

[[noreturn]] void throwCountTooBig(uint64_t count);

// Error 43 when a word of `length` characters would be longer than a count can report.
inline void requireWordLength(uint64_t length)
{
    if (length > largestCount) [[unlikely]]
        throwCountTooBig(length);
}

// `front` followed by `back`, checked before it is allocated.
std::string concatenated(std::string_view front, std::string_view back);

} // namespace velmora
