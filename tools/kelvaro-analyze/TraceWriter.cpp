#include "TraceWriter.h"

#include <cerrno>
#include <cstring>

TraceWriter::TraceWriter(const std::string& path_) : path(path_), file(std::fopen(path_.c_str(), "w"))
{
    if (file == nullptr)
    {
        failure = "cannot write trace " + path + ": " + std::strerror(errno);
        return;
    }
    std::fputs("block", file);
    for (int32_t index = 0; index < kMeterTotal; ++index)
        std::fprintf(file, ",m%d", int(index));
    std::fputc('\n', file);
}

TraceWriter::~TraceWriter()
{
    if (file != nullptr)
        std::fclose(file);
}

void TraceWriter::onBlock(int64_t blockIndex, const MeterValues& meters)
{
    if (file == nullptr)
        return;
    std::fprintf(file, "%lld", static_cast<long long>(blockIndex));
    for (float value : meters)
        std::fprintf(file, ",%.9g", double(value));
    std::fputc('\n', file);
}

bool TraceWriter::finish()
{
    if (file == nullptr)
        return false;
    const bool written = std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!written || !closed)
        failure = "cannot write trace " + path + ": " + std::strerror(errno);
    return failure.empty();
}
