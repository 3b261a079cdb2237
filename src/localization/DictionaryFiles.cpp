#include "localization/DictionaryFiles.h"

#include "localization/CodedStream.h"
#include "localization/FileStream.h"
#include "localization/StoredDictionary.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace velmora {

namespace {

    // What the conversion gives, or the failure described.
    struct Converted {
        std::optional<std::vector<uint8_t>> bytes;
        std::string failure;
    };
    using Conversion = Converted (*)(
        ByteStream& input, const std::string& inputName, std::optional<uint8_t> seed);

    std::string withReason(const std::string& failure)
    {
        return failure + ": " + std::strerror(errno);
    }

    Converted scramble(ByteStream& input, const std::string& inputName, std::optional<uint8_t> seed)
    {
        const auto plain = readToEnd(input);
        if (!plain)
            return { std::nullopt, withReason("Cannot read " + inputName) };
        return { storedDictionary(*plain, seed.value_or(tcodedstream::randomSeed())), {} };
    }

    Converted unscramble(ByteStream& input, const std::string& inputName, std::optional<uint8_t>)
    {
        const auto plain = readStoredDictionary(input);
        if (!plain)
            return { std::nullopt, inputName + " is not a dictionary file, or it is damaged" };
        const auto* bytes = reinterpret_cast<const uint8_t*>(plain->bytes.get());
        return { std::vector<uint8_t>(bytes, bytes + plain->size), {} };
    }

    // The output is written to a new file beside it and renamed over it once complete, so that a
    // failure leaves no output behind, and the input is never the output half written.
    class OutputFile {
    public:
        explicit OutputFile(const std::filesystem::path& target)
            : m_target(target)
            , m_partial(target.string() + "." + std::to_string(getpid()) + ".partial")
        {
        }
        ~OutputFile()
        {
            if (!m_done)
                std::remove(m_partial.c_str());
        }
        OutputFile(const OutputFile&) = delete;
        OutputFile& operator=(const OutputFile&) = delete;

        // Empty text on success.
        std::string write(std::span<const uint8_t> bytes)
        {
            const auto file = FileStream::open(m_partial, FileMode::CreateNew);
            if (!file)
                return withReason("Cannot create " + m_target.string());
            if (file->write(bytes) != static_cast<int64_t>(bytes.size()) || !file->close())
                return withReason("Cannot write " + m_target.string());
            if (std::rename(m_partial.c_str(), m_target.c_str()) != 0)
                return withReason("Cannot create " + m_target.string());
            m_done = true;
            return {};
        }

    private:
        std::filesystem::path m_target;
        std::filesystem::path m_partial;
        bool m_done = false;
    };

    std::string convertFile(const std::filesystem::path& inputPath,
        const std::filesystem::path& outputPath, Conversion convert, std::optional<uint8_t> seed)
    {
        std::error_code error;
        if (std::filesystem::equivalent(inputPath, outputPath, error))
            return inputPath.string() + " would be both read and written";
        const auto input = FileStream::open(inputPath, FileMode::Read);
        if (!input)
            return withReason("Cannot open " + inputPath.string());
        const Converted converted = convert(*input, inputPath.string(), seed);
        if (!converted.bytes)
            return converted.failure;
        return OutputFile(outputPath).write(*converted.bytes);
    }

} // namespace

std::string encodeDictionaryFile(const std::filesystem::path& plainInput,
    const std::filesystem::path& scrambledOutput, std::optional<uint8_t> seed)
{
    return convertFile(plainInput, scrambledOutput, scramble, seed);
}

std::string decodeDictionaryFile(
    const std::filesystem::path& scrambledInput, const std::filesystem::path& plainOutput)
{
    return convertFile(scrambledInput, plainOutput, unscramble, std::nullopt);
}

} // namespace velmora
