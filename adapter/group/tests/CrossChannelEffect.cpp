// An effect that only turns one channel into two or two into one, in two of the effect's
// categories: no real-time type fits it, and the offline type takes the largest counts of each
// side separately.
#include "QVEffect.h"

namespace
{
class CCrossChannelEffect : public QVEffect
{
public:
    static constexpr int32_t kSwappedCategories = 0x028;

    CCrossChannelEffect(int32_t pluginType, int32_t channelMode) : QVEffect(pluginType, channelMode, 1, 0, 0, 0) {}

    bool checkChannelConfig(int32_t inputs, int32_t outputs) override
    {
        return (inputs == 2 && outputs == 1) || (inputs == 1 && outputs == 2);
    }
    int32_t getCategories() override { return kSwappedCategories; }
};
} // namespace

QVEffect* createQVEffect(int32_t pluginType, int32_t channelMode)
{
    return new CCrossChannelEffect(pluginType, channelMode);
}
