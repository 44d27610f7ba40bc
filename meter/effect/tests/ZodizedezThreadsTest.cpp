// The audio thread processes while the editor's thread reads meters and flips switches.
#include "MeterFixture.h"

#include <atomic>
#include <thread>

TEST_F(MeterFixture, ProcessingRunsAlongsideMeterReadsAndParameterChanges)
{
    std::atomic<bool> done{false};
    std::thread editor([&] {
        for (int round = 0; !done.load(); ++round)
        {
            for (int32_t index = 0; index < kMeterTotal; ++index)
            {
                readout(index);
                effect->getMeter(index);
            }
            effect->setParameter(kParamMono, float(round % 2), true, false);
            if (round % 7 == 0)
                effect->resetMeters();
            if (round % 5 == 0)
                effect->transferCustomData(Zodizedez::kCustomDataResetPeaks, 0, nullptr, 0);
        }
    });
    play(sine(0.7, 440.0, 44100, -0.5), 3.0);
    done = true;
    editor.join();
    for (int32_t index = 0; index < kMeterTotal; ++index)
        EXPECT_TRUE(std::isfinite(meter(index))) << index;
}
