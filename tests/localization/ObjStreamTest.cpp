#include "localization/ObjStream.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    std::string readAll(std::span<const uint8_t> block)
    {
        tObjStream stream(block);
        return readToEnd(stream).value_or("<failed>");
    }

    struct BlockCase {
        const char* name;
        std::vector<uint8_t> block;
        std::string expected;
    };

    TEST(ObjStream, CoversTheBytesAfterTheLittleEndianLength)
    {
        const BlockCase cases[] = {
            { "exact length", { 3, 0, 0, 0, 'a', 'b', 'c' }, "abc" },
            { "bytes beyond the length", { 2, 0, 0, 0, 'a', 'b', 'c' }, "ab" },
            { "length beyond the bytes", { 10, 0, 0, 0, 'a', 'b', 'c' }, "abc" },
            { "high length bytes", { 1, 0, 0, 1, 'a' }, "a" },
            { "shorter than a length", { 1, 0 }, "" },
            { "empty block", {}, "" },
        };
        for (const auto& test : cases)
            EXPECT_EQ(readAll(test.block), test.expected) << test.name;
    }

    TEST(ObjStream, MakeObjBlockReadsBack)
    {
        const std::string text(300, 'x');
        const auto block = makeObjBlock({ reinterpret_cast<const uint8_t*>(text.data()), 300 });
        EXPECT_EQ(block[0], 300 % 256);
        EXPECT_EQ(block[1], 300 / 256);
        EXPECT_EQ(readAll(block), text);
    }

    TEST(ObjStream, IsReadOnlyAndSeeksInsideItsBytes)
    {
        const std::vector<uint8_t> block = { 3, 0, 0, 0, 'a', 'b', 'c' };
        tObjStream stream(block);
        const uint8_t byte = 'z';
        EXPECT_EQ(stream.write({ &byte, 1 }), -1);
        EXPECT_EQ(stream.seek(1, SeekOrigin::Begin), 1);
        EXPECT_EQ(readToEnd(stream), "bc");
        EXPECT_EQ(stream.seek(1, SeekOrigin::Current), -1);
        EXPECT_EQ(stream.seek(-4, SeekOrigin::End), -1);
    }

} // namespace
} // namespace velmora
