// --trace: one CSV line per block with the nineteen meter values.
#pragma once

#include "MeterRun.h"

#include <cstdio>
#include <string>

class TraceWriter : public BlockObserver
{
public:
    // Check error() after construction: the file may not open.
    explicit TraceWriter(const std::string& path);
    ~TraceWriter() override;
    TraceWriter(const TraceWriter&) = delete;
    TraceWriter& operator=(const TraceWriter&) = delete;

    void onBlock(int64_t blockIndex, const MeterValues& meters) override;
    // Flushes and closes; false with the reason in error() when anything failed to reach the file.
    bool finish();
    const std::string& error() const { return failure; }

private:
    std::string path;
    std::FILE* file = nullptr;
    std::string failure;
};
