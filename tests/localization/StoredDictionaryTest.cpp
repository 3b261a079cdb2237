#include "localization/StoredDictionary.h"
#include "localization/CodedStream.h"
#include "localization/MemoryStream.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

    using namespace std::string_literals;

    std::optional<std::string> readBack(std::vector<uint8_t> stored)
    {
        MemoryStream memory(std::move(stored));
        const auto text = readStoredDictionary(memory);
        if (!text)
            return std::nullopt;
        return std::string(text->bytes.get(), text->size);
    }

    TEST(StoredDictionary, ReadsBackWhatWasStored)
    {
        for (const std::string& text : { ""s, "[dict]\r\nforward = fd\n"s, "a\0\xB7\xFF"s }) {
            for (const uint8_t seed : { 0, 1, 200, 255 }) {
                const auto stored = storedDictionary(text, seed);
                EXPECT_EQ(stored.size(), 1 + text.size() + 4);
                EXPECT_EQ(readBack(stored), text) << text;
            }
        }
    }

    // The check value is the CRC-32 of zip and PNG, so that other tools can make the stored form.
    TEST(StoredDictionary, TheCheckValueIsTheCrc32OfTheText)
    {
        MemoryStream memory(storedDictionary("123456789", 7));
        tcodedstream coded(memory, CodedStreamMode::Reading);
        const auto plain = readToEnd(coded);
        EXPECT_EQ(plain, "123456789\x26\x39\xF4\xCB"s);
    }

    TEST(StoredDictionary, RefusesWhatIsDamagedOrNeverWasOne)
    {
        const std::string text = "[other]\ntrue=true\n";
        const auto stored = storedDictionary(text, 42);
        for (size_t length = 0; length < stored.size(); ++length)
            EXPECT_EQ(readBack({ stored.begin(), stored.begin() + length }), std::nullopt)
                << "cut to " << length;
        for (size_t at = 0; at < stored.size(); ++at) {
            for (const uint8_t flip : { 0x01, 0x80 }) {
                auto damaged = stored;
                damaged[at] ^= flip;
                EXPECT_EQ(readBack(damaged), std::nullopt) << "byte " << at;
            }
        }
        EXPECT_EQ(readBack(scrambleText(text, 42)), std::nullopt) << "no check value";
        std::mt19937 random(1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::vector<uint8_t> noise(1000);
            for (uint8_t& byte : noise)
                byte = static_cast<uint8_t>(random());
            EXPECT_EQ(readBack(noise), std::nullopt) << "noise " << attempt;
        }
    }

} // namespace
} // namespace velmora
