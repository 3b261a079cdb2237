// File stream: a byte stream over a file on disk.
//
// Used for the optional ".ldx" dictionary beside the program and by the dictionary encoder and
// decoder of the command-line tool. Opening reports failure by giving no stream; a stream that
// exists reports read and write failures as -1 like every other byte stream.
#pragma once

#include "localization/ByteStream.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace velmora {

// CreateNew writes a file that must not exist yet.
enum class FileMode { Read, Write, CreateNew };

class FileStream final : public ByteStream {
public:
    // Nothing, with errno telling why, when the file cannot be opened or is a folder. Write mode
    // creates or empties the file.
    static std::unique_ptr<FileStream> open(const std::filesystem::path& path, FileMode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    int64_t read(std::span<uint8_t> buffer) override;
    int64_t write(std::span<const uint8_t> bytes) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;
    int64_t size() override;

    // Closes the file; false when buffered data could not be written.
    bool close();

private:
    explicit FileStream(std::FILE* file)
        : m_file(file)
    {
    }
    std::FILE* m_file;
};

} // namespace velmora
