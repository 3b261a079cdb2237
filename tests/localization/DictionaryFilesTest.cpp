#include "localization/DictionaryFiles.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    using namespace std::string_literals;
    using testing::TemporaryFolder;

    // Every dictionary text of the source tree, and one small text that is always there.
    std::vector<std::string> dictionaryTexts()
    {
        std::vector<std::string> texts = { "[dict]\r\nforward = fd\n\0\xB7\xFF"s };
#ifdef VELMORA_SOURCE_DIR
        const std::filesystem::path folder
            = std::filesystem::path(VELMORA_SOURCE_DIR) / "dictionaries";
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".txt")
                texts.push_back(TemporaryFolder::read(entry.path()));
#endif
        return texts;
    }

    TEST(DictionaryFiles, EncodingThenDecodingGivesBackEveryDictionary)
    {
        TemporaryFolder folder;
        for (const std::string& text : dictionaryTexts()) {
            const auto plain = folder.write("plain.txt", text);
            for (const std::optional<uint8_t> seed :
                { std::optional<uint8_t>(), { 0 }, { 1 }, { 254 } }) {
                const auto encoded = folder.path() / "encoded.ldx";
                const auto decoded = folder.path() / "decoded.txt";
                ASSERT_EQ(encodeDictionaryFile(plain, encoded, seed), "");
                ASSERT_EQ(decodeDictionaryFile(encoded, decoded), "");
                EXPECT_EQ(TemporaryFolder::read(decoded), text) << text.substr(0, 40);
                EXPECT_EQ(std::filesystem::file_size(encoded), text.size() + 1);
            }
        }
    }

    TEST(DictionaryFiles, FailuresAreDescribed)
    {
        TemporaryFolder folder;
        const auto missing = folder.path() / "missing.txt";
        EXPECT_NE(encodeDictionaryFile(missing, folder.path() / "out.ldx").find("missing.txt"),
            std::string::npos);
        const auto empty = folder.write("empty.ldx", "");
        EXPECT_NE(decodeDictionaryFile(empty, folder.path() / "out.txt"), "");
        const auto plain = folder.write("plain.txt", "[dict]\n");
        EXPECT_NE(encodeDictionaryFile(plain, folder.path() / "no-such-folder" / "out.ldx"), "");
    }

} // namespace
} // namespace velmora
