#include "ProgressBar.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace
{
constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRefresh = std::chrono::milliseconds(100);
constexpr int kBarWidth = 40;
} // namespace

ProgressBar::ProgressBar(const std::atomic<int64_t>& done_, int64_t total_) : done(done_), total(total_)
{
    if (total > 0 && isatty(STDERR_FILENO))
        drawer = std::thread([this] { run(); });
}

ProgressBar::~ProgressBar()
{
    if (!drawer.joinable())
        return;
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    drawer.join();
    if (drawn)
        std::fprintf(stderr, "\r%*s\r", kBarWidth + 16, "");
}

void ProgressBar::run()
{
    std::unique_lock lock(mutex);
    if (wake.wait_for(lock, kQuietStart, [this] { return stopping; }))
        return;
    while (!wake.wait_for(lock, kRefresh, [this] { return stopping; }))
        draw(done.load(std::memory_order_relaxed));
}

void ProgressBar::draw(int64_t doneNow)
{
    const double fraction = doneNow >= total ? 1.0 : double(doneNow) / double(total);
    const int filled = int(fraction * kBarWidth);
    const std::string bar = std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), '.');
    std::fprintf(stderr, "\ranalysing [%s] %3d%%", bar.c_str(), int(fraction * 100));
    std::fflush(stderr);
    drawn = true;
}
