// A progress bar on stderr for long runs: drawn only when stderr is a terminal and the work has
// taken longer than a moment, erased when done.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class ProgressBar
{
public:
    // done is advanced by the workers; total is the amount they will reach.
    ProgressBar(const std::atomic<int64_t>& done, int64_t total);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

private:
    void run();
    void draw(int64_t doneNow);

    const std::atomic<int64_t>& done;
    int64_t total;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    bool drawn = false;
    std::thread drawer;
};
