#include "SettingsFile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace
{
constexpr char kSignature[8] = {'K', 'v', 'S', 'e', 't', 't', 'n', '1'};

std::runtime_error Failure(const std::string& path, const char* what)
{
    return std::runtime_error("settings file " + path + ": " + what);
}
} // namespace

void SettingsFile::Write(const std::string& path, const std::vector<ChunkBytes>& chunks)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(kSignature, sizeof kSignature);
    for (const ChunkBytes& chunk : chunks)
        file.write(reinterpret_cast<const char*>(chunk.data()), std::streamsize(chunk.size()));
    if (!file.flush())
        throw Failure(path, "cannot be written");
}

std::vector<ChunkBytes> SettingsFile::Read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Failure(path, "cannot be read");
    const std::vector<Byte> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.size() < sizeof kSignature || std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0)
        throw Failure(path, "is not a settings file");
    std::vector<ChunkBytes> chunks;
    for (size_t offset = sizeof kSignature; offset < bytes.size();)
    {
        SInt32 size = 0;
        if (bytes.size() - offset >= sizeof size)
            std::memcpy(&size, bytes.data() + offset, sizeof size);
        if (size < kChunkHeaderSize || size_t(size) > bytes.size() - offset)
            throw Failure(path, "holds a damaged chunk");
        chunks.emplace_back(bytes.begin() + std::ptrdiff_t(offset), bytes.begin() + std::ptrdiff_t(offset + size_t(size)));
        offset += size_t(size);
    }
    return chunks;
}
