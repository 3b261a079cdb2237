#include "localization/DictionaryFiles.h"

#include "localization/CodedStream.h"
#include "localization/FileStream.h"

namespace velmora {

namespace {

    using Transfer = bool (*)(FileStream& input, FileStream& output, std::optional<uint8_t> seed);

    bool writeAll(ByteStream& output, const std::string& bytes)
    {
        const std::span<const uint8_t> data(
            reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        return output.write(data) == static_cast<int64_t>(data.size());
    }

    bool scramble(FileStream& input, FileStream& output, std::optional<uint8_t> seed)
    {
        const auto plain = readToEnd(input);
        tcodedstream coded(output, CodedStreamMode::Writing, seed);
        return plain && writeAll(coded, *plain) && !coded.failed();
    }

    bool unscramble(FileStream& input, FileStream& output, std::optional<uint8_t>)
    {
        tcodedstream coded(input, CodedStreamMode::Reading);
        const auto plain = readToEnd(coded);
        return plain && !coded.failed() && writeAll(output, *plain);
    }

    std::string transferFile(const std::filesystem::path& inputPath,
        const std::filesystem::path& outputPath, Transfer transfer, std::optional<uint8_t> seed)
    {
        const auto input = FileStream::open(inputPath, FileMode::Read);
        if (!input)
            return "Cannot open " + inputPath.string();
        const auto output = FileStream::open(outputPath, FileMode::Write);
        if (!output)
            return "Cannot create " + outputPath.string();
        if (!transfer(*input, *output, seed) || !output->close())
            return "Cannot convert " + inputPath.string() + " to " + outputPath.string();
        return {};
    }

} // namespace

std::string encodeDictionaryFile(const std::filesystem::path& plainInput,
    const std::filesystem::path& scrambledOutput, std::optional<uint8_t> seed)
{
    return transferFile(plainInput, scrambledOutput, scramble, seed);
}

std::string decodeDictionaryFile(
    const std::filesystem::path& scrambledInput, const std::filesystem::path& plainOutput)
{
    return transferFile(scrambledInput, plainOutput, unscramble, std::nullopt);
}

} // namespace velmora
