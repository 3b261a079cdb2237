#include "localization/DictionaryFiles.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <map>

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
                EXPECT_EQ(std::filesystem::file_size(encoded), text.size() + 5);
            }
        }
    }

    // Every file in the folder, by name, with its contents.
    std::map<std::string, std::string> filesIn(const TemporaryFolder& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            files[entry.path().filename().string()]
                = entry.is_directory() ? "<folder>" : TemporaryFolder::read(entry.path());
        return files;
    }

    // A failure is described and leaves every file as it was: no output, nothing half written.
    TEST(DictionaryFiles, AFailureChangesNoFile)
    {
        using Command = std::string (*)(const std::filesystem::path&, const std::filesystem::path&);
        const Command encode
            = [](const std::filesystem::path& in, const std::filesystem::path& out) {
                  return encodeDictionaryFile(in, out);
              };
        struct Case {
            const char* name;
            Command command;
            const char* input;
            const char* output;
            const char* described; // a part of the description
        };
        const Case cases[] = {
            { "encode a folder", encode, "folder", "new.ldx", "folder" },
            { "decode a folder", decodeDictionaryFile, "folder", "new.txt", "folder" },
            { "encode into itself", encode, "plain.txt", "plain.txt", "plain.txt" },
            { "decode into itself", decodeDictionaryFile, "good.ldx", "good.ldx", "good.ldx" },
            { "decode noise", decodeDictionaryFile, "noise.ldx", "old.txt", "noise.ldx" },
            { "decode a cut file", decodeDictionaryFile, "cut.ldx", "new.txt", "cut.ldx" },
            { "encode onto a folder", encode, "plain.txt", "folder", "folder" },
        };
        for (const auto& test : cases) {
            TemporaryFolder folder;
            std::filesystem::create_directory(folder.path() / "folder");
            const auto plain = folder.write("plain.txt", "[other]\ntrue=true\n");
            ASSERT_EQ(encodeDictionaryFile(plain, folder.path() / "good.ldx"), "");
            const std::string good = TemporaryFolder::read(folder.path() / "good.ldx");
            folder.write("cut.ldx", good.substr(0, good.size() - 1));
            folder.write("noise.ldx", "\x93\x11\xFEnot a dictionary at all\x01");
            folder.write("old.txt", "old");
            const auto before = filesIn(folder);
            const std::string failure
                = test.command(folder.path() / test.input, folder.path() / test.output);
            EXPECT_NE(failure.find(test.described), std::string::npos)
                << test.name << ": " << failure;
            EXPECT_EQ(filesIn(folder), before) << test.name;
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
