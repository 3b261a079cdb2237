#include "localization/CodedStream.h"
#include "localization/MemoryStream.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

    std::vector<uint8_t> bytesOf(std::string_view text) { return { text.begin(), text.end() }; }

    std::string unscrambled(std::vector<uint8_t> stored, size_t chunkSize)
    {
        MemoryStream memory(std::move(stored));
        tcodedstream coded(memory, CodedStreamMode::Reading);
        std::string plain;
        std::vector<uint8_t> chunk(chunkSize);
        int64_t count = coded.read(chunk);
        while (count > 0) {
            plain.append(chunk.begin(), chunk.begin() + count);
            count = coded.read(chunk);
        }
        return plain;
    }

    // A stream whose every operation fails after the first byte.
    class FailingStream final : public ByteStream {
    public:
        int64_t read(std::span<uint8_t> buffer) override { return pass(buffer.size()); }
        int64_t write(std::span<const uint8_t> bytes) override { return pass(bytes.size()); }
        int64_t seek(int64_t, SeekOrigin) override { return -1; }
        int64_t size() override { return -1; }

    private:
        int64_t pass(size_t count)
        {
            if (m_used || count != 1)
                return -1;
            m_used = true;
            return 1;
        }
        bool m_used = false;
    };

    TEST(CodedStream, StoresEachByteAsPlainPlusRunningSumModulo256)
    {
        // Seed 5: 'A' 65 + 5 = 70, sum 75; 'B' 66 + 75 = 141, sum 216; 'C' 67 + 216 = 283 = 27.
        const std::vector<uint8_t> stored = { 5, 70, 141, 27 };
        EXPECT_EQ(scrambleText("ABC", 5), stored);
        EXPECT_EQ(unscrambled(stored, 4), "ABC");
    }

    TEST(CodedStream, EverySeedReadsBackEveryByteAcrossChunkBoundaries)
    {
        std::string text;
        for (int byte = 0; byte < 256; ++byte)
            text.push_back(static_cast<char>(byte));
        for (int seed = 0; seed < 256; ++seed)
            ASSERT_EQ(unscrambled(scrambleText(text, static_cast<uint8_t>(seed)), 7), text) << seed;
    }

    // The definition, a byte at a time: each plain byte is the stored byte less the sum of the
    // seed and every stored byte before it.
    std::string unscrambledByDefinition(const std::vector<uint8_t>& stored)
    {
        std::string plain;
        uint8_t sum = stored.front();
        for (size_t i = 1; i < stored.size(); ++i) {
            plain.push_back(static_cast<char>(stored[i] - sum));
            sum = static_cast<uint8_t>(sum + stored[i]);
        }
        return plain;
    }

    // Reads the stored bytes in pieces whose sizes cycle through pieceSizes.
    std::string unscrambledInPieces(std::vector<uint8_t> stored, std::span<const size_t> pieceSizes)
    {
        MemoryStream memory(std::move(stored));
        tcodedstream coded(memory, CodedStreamMode::Reading);
        std::string plain;
        for (size_t piece = 0;; ++piece) {
            std::vector<uint8_t> chunk(pieceSizes[piece % pieceSizes.size()]);
            const int64_t count = coded.read(chunk);
            if (count <= 0)
                return plain;
            plain.append(chunk.begin(), chunk.begin() + count);
        }
    }

    TEST(CodedStream, ReadsOfAnyLengthAndSplitAgreeWithTheDefinition)
    {
        // Lengths around the sixteen bytes unscrambled at once, and reads that end inside such a
        // group so that the running sum must carry over from one read to the next.
        const size_t lengths[] = { 0, 1, 15, 16, 17, 31, 32, 33, 1000 };
        const std::vector<size_t> splits[] = {
            { 4096 },
            { 1 },
            { 15 },
            { 16 },
            { 17 },
            { 3, 16, 29, 1, 64 },
        };
        std::mt19937 generator(20240611);
        for (const size_t length : lengths) {
            std::string text(length, '\0');
            for (char& byte : text)
                byte = static_cast<char>(generator());
            const uint8_t seed = static_cast<uint8_t>(generator());
            const auto stored = scrambleText(text, seed);
            ASSERT_EQ(unscrambledByDefinition(stored), text) << length;
            for (const auto& split : splits)
                EXPECT_EQ(unscrambledInPieces(stored, split), text)
                    << "length " << length << ", first piece " << split.front();
        }
    }

    TEST(CodedStream, RandomSeedsReadBack)
    {
        const std::string text = "[dict]\r\nforward = forward fd\r\n";
        for (int attempt = 0; attempt < 20; ++attempt) {
            MemoryStream memory;
            tcodedstream writer(memory, CodedStreamMode::Writing);
            ASSERT_EQ(writer.write(bytesOf(text)), static_cast<int64_t>(text.size()));
            EXPECT_EQ(unscrambled(memory.bytes(), 3), text);
        }
    }

    TEST(CodedStream, FailureBeneathGivesMinusOne)
    {
        FailingStream readBeneath;
        tcodedstream reader(readBeneath, CodedStreamMode::Reading);
        std::vector<uint8_t> buffer(4);
        EXPECT_EQ(reader.read(buffer), -1);
        EXPECT_TRUE(reader.failed());

        FailingStream writeBeneath;
        tcodedstream writer(writeBeneath, CodedStreamMode::Writing, 1);
        EXPECT_EQ(writer.write(bytesOf("ab")), -1);
        EXPECT_TRUE(writer.failed());
    }

    TEST(CodedStream, EachStreamWorksOnlyInItsOwnDirection)
    {
        MemoryStream memory(scrambleText("abc", 3));
        tcodedstream reader(memory, CodedStreamMode::Reading);
        EXPECT_EQ(reader.write(bytesOf("x")), -1);

        tcodedstream writer(memory, CodedStreamMode::Writing, 3);
        std::vector<uint8_t> buffer(1);
        EXPECT_EQ(writer.read(buffer), -1);
    }

    TEST(CodedStream, SeekAndSizeAreThoseOfTheStreamBeneath)
    {
        MemoryStream memory(scrambleText("abcdef", 9));
        tcodedstream coded(memory, CodedStreamMode::Reading);
        EXPECT_EQ(coded.size(), 7);
        EXPECT_EQ(coded.seek(-2, SeekOrigin::End), 5);
        EXPECT_EQ(memory.position(), 5);
        EXPECT_EQ(coded.seek(100, SeekOrigin::Begin), -1);
    }

} // namespace
} // namespace velmora
