// Dictionary files: turning a plain dictionary text into the scrambled ".ldx" form and back.
//
// These are the tool's "dict encode" and "dict decode" commands. Encoding puts any text in the
// stored form (StoredDictionary.h) and picks a random seed unless one is given, so two encodings
// of one text usually differ while both decode to it; decoding refuses a file whose check value
// does not match. The output appears only when it is complete: it is written beside its place
// and renamed there, so a failure leaves none. A file is never both input and output. Each
// returns an error text for the user, or empty text on success.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

std::string encodeDictionaryFile(const std::filesystem::path& plainInput,
    const std::filesystem::path& scrambledOutput, std::optional<uint8_t> seed = std::nullopt);

std::string decodeDictionaryFile(
    const std::filesystem::path& scrambledInput, const std::filesystem::path& plainOutput);

} // namespace velmora
