#include "localization/ByteStream.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

    // Gives its text a few bytes per read and tells whatever size it is asked to, so that
    // reading to the end meets a size that is right, unknown, too small or too large.
    class PieceStream final : public ByteStream {
    public:
        PieceStream(std::string text, int64_t claimedSize, size_t piece)
            : m_text(std::move(text))
            , m_claimedSize(claimedSize)
            , m_piece(piece)
        {
        }

        int64_t read(std::span<uint8_t> buffer) override
        {
            const size_t count = std::min({ buffer.size(), m_piece, m_text.size() - m_position });
            std::copy_n(
                m_text.begin() + static_cast<std::ptrdiff_t>(m_position), count, buffer.begin());
            m_position += count;
            return static_cast<int64_t>(count);
        }
        int64_t write(std::span<const uint8_t>) override { return -1; }
        int64_t seek(int64_t offset, SeekOrigin) override
        {
            return offset == 0 ? static_cast<int64_t>(m_position) : -1;
        }
        int64_t size() override { return m_claimedSize; }

    private:
        std::string m_text;
        int64_t m_claimedSize;
        size_t m_piece;
        size_t m_position = 0;
    };

    TEST(ByteStream, ReadsToTheEndWhateverSizeTheStreamTells)
    {
        const std::string text(40000, 'x');
        const struct {
            const char* name;
            int64_t claimedSize;
            size_t piece;
        } cases[] = {
            { "right size, one read", 40000, 40000 },
            { "right size, small pieces", 40000, 7 },
            { "unknown size", -1, 5000 },
            { "size too small", 10, 3000 },
            { "size too large", 90000, 40000 },
        };
        for (const auto& test : cases) {
            PieceStream stream(text, test.claimedSize, test.piece);
            EXPECT_EQ(readToEnd(stream), text) << test.name;
        }
        PieceStream empty("", 0, 1);
        EXPECT_EQ(readToEnd(empty), "");
    }

} // namespace
} // namespace velmora
