#include "localization/FileStream.h"

#include <cerrno>
#include <sys/stat.h>

namespace velmora {

namespace {

    // A folder opens for reading, but reads fail and its size is nonsense.
    bool isFolder(std::FILE* file)
    {
        struct stat status { };
        return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
    }

} // namespace

std::unique_ptr<FileStream> FileStream::open(const std::filesystem::path& path, FileMode mode)
{
    static constexpr const char* openModes[] = { "rb", "wb", "wbx" };
    std::FILE* file = std::fopen(path.c_str(), openModes[static_cast<int>(mode)]);
    if (!file)
        return nullptr;
    if (isFolder(file)) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return std::unique_ptr<FileStream>(new FileStream(file));
}

FileStream::~FileStream() { close(); }

bool FileStream::close()
{
    if (!m_file)
        return true;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    return closed;
}

int64_t FileStream::read(std::span<uint8_t> buffer)
{
    if (!m_file)
        return -1;
    const size_t count = std::fread(buffer.data(), 1, buffer.size(), m_file);
    if (count < buffer.size() && std::ferror(m_file))
        return -1;
    return static_cast<int64_t>(count);
}

int64_t FileStream::write(std::span<const uint8_t> bytes)
{
    if (!m_file || std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        return -1;
    return static_cast<int64_t>(bytes.size());
}

int64_t FileStream::seek(int64_t offset, SeekOrigin origin)
{
    if (!m_file)
        return -1;
    const int64_t target = seekTarget(ftello(m_file), size(), offset, origin);
    if (target < 0 || fseeko(m_file, target, SEEK_SET) != 0)
        return -1;
    return target;
}

int64_t FileStream::size()
{
    if (!m_file)
        return -1;
    const off_t position = ftello(m_file);
    if (position < 0 || fseeko(m_file, 0, SEEK_END) != 0)
        return -1;
    const off_t end = ftello(m_file);
    fseeko(m_file, position, SEEK_SET);
    return end;
}

} // namespace velmora
