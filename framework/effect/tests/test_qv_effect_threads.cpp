// Cross-thread words: the audio thread reads parameter values, the bank
// and the update counter while the UI thread writes them. Meant to run clean under TSan.
#include "QVEffect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

class TwoBankEffect : public QVEffect
{
public:
    TwoBankEffect() : QVEffect(kPluginTypeRealTime, kChannelModeStereo, 2, 3, 0, 0) { init(); }
    ~TwoBankEffect() override { deinit(); }
    float getParameterDefault(int32_t index) override { return 0.25f * static_cast<float>(index); }
};

TEST(QVEffectThreads, AudioReadsSeeWholeValuesWhileTheUiWrites)
{
    TwoBankEffect fx;
    std::atomic<bool> done{false};
    float left[16] = {};
    float right[16] = {};
    float* channels[2] = {left, right};

    std::thread audio([&] {
        while (!done.load()) {
            ASSERT_TRUE(fx.checkProcessFloat(channels, channels, 16));
            for (int32_t p = 0; p < 3; ++p) {
                const float v = fx.getParameter(p);
                ASSERT_TRUE(v >= 0.0f && v <= 1.0f);
            }
            ASSERT_LT(fx.getUpdateCounter(), QVEffect::kUpdateCounterRange);
        }
    });
    for (int i = 0; i < 20000; ++i) {
        fx.setParameter(i % 3, static_cast<float>(i % 101) / 100.0f, false, false);
        if (i % 97 == 0)
            fx.setBank((i / 97) % 2, false);
    }
    done.store(true);
    audio.join();
}

} // namespace
