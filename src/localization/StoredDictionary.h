// The stored form of a dictionary: the form in which dictionaries are built into the program and
// kept in ".ldx" files.
//
// It is the dictionary's text followed by a check value, the CRC-32 of the text (four bytes, the
// lowest first), both scrambled together (CodedStream.h): a seed byte, then the scrambled text and
// check value. The check value tells a whole, undamaged dictionary from a truncated or damaged
// file, and from bytes that never were a dictionary, which unscramble to text just as well; a
// file whose check value does not match is never read as a dictionary.
#pragma once

#include "localization/ByteStream.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

std::vector<uint8_t> storedDictionary(std::string_view text, uint8_t seed);

// Whether reading compares the check value. The blocks built into the program are taken on trust:
// they cannot be damaged apart from the program itself, and the tests verify them, so the start
// of every run need not compute their check values.
enum class CheckValue { Verify, Trust };

// The text stored from the stream's position to its end; nothing when it cannot be read or (when
// verified) its check value does not match.
std::optional<ByteBuffer> readStoredDictionary(
    ByteStream& stream, CheckValue check = CheckValue::Verify);

} // namespace velmora
