#include "localization/StoredDictionary.h"

#include "localization/CodedStream.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace velmora {

namespace {

    constexpr size_t checkSize = 4;

    // CRC-32 as zip and PNG compute it (reflected polynomial 0xEDB88320), a byte at a time.
    constexpr std::array<uint32_t, 256> crcTable()
    {
        std::array<uint32_t, 256> table {};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }

    uint32_t crc32(std::span<const uint8_t> bytes)
    {
        static constexpr std::array<uint32_t, 256> table = crcTable();
        uint32_t crc = 0xFFFFFFFFu;
        for (const uint8_t byte : bytes)
            crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
        return crc ^ 0xFFFFFFFFu;
    }

    std::array<uint8_t, checkSize> checkBytes(uint32_t check)
    {
        return { static_cast<uint8_t>(check), static_cast<uint8_t>(check >> 8),
            static_cast<uint8_t>(check >> 16), static_cast<uint8_t>(check >> 24) };
    }

    std::span<const uint8_t> bytesOf(std::string_view text)
    {
        return { reinterpret_cast<const uint8_t*>(text.data()), text.size() };
    }

} // namespace

std::vector<uint8_t> storedDictionary(std::string_view text, uint8_t seed)
{
    const auto check = checkBytes(crc32(bytesOf(text)));
    std::string checked(text);
    checked.append(check.begin(), check.end());
    return scrambleText(checked, seed);
}

std::optional<ByteBuffer> readStoredDictionary(ByteStream& stream, CheckValue check)
{
    tcodedstream coded(stream, CodedStreamMode::Reading);
    auto stored = readAll(coded);
    if (coded.failed() || !stored || stored->size < checkSize)
        return std::nullopt;
    const size_t textSize = stored->size - checkSize;
    const auto* bytes = reinterpret_cast<const uint8_t*>(stored->bytes.get());
    if (check == CheckValue::Verify) {
        const auto expected = checkBytes(crc32({ bytes, textSize }));
        if (!std::equal(expected.begin(), expected.end(), bytes + textSize))
            return std::nullopt;
    }
    stored->size = textSize;
    return stored;
}

} // namespace velmora
