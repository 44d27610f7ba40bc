#include "CPluginControl.h"

#include <cmath>

namespace
{
constexpr double kValueSpan = double(kControlValueHighest) - double(kControlValueLowest);
}

double CPluginControl::GetContinuous() const
{
    return (double(fValue) - double(kControlValueLowest)) / kValueSpan;
}

SInt32 CPluginControl::ConvertContinuousToControl(double continuous) const
{
    if (!(continuous > 0.0))
        return kControlValueLowest;
    if (continuous >= 1.0)
        return kControlValueHighest;
    return SInt32(std::llround(double(kControlValueLowest) + continuous * kValueSpan));
}

SInt32 CPluginControl::GetDiscrete() const
{
    return LongControlToNewRange(fValue, 0, GetNumSteps() - 1);
}

SInt32 CPluginControl::ConvertDiscreteToControl(SInt32 step) const
{
    return LongToLongControl(step, 0, GetNumSteps() - 1);
}
