#include "StereoType.h"

#include "CHostError.h"

namespace
{
constexpr SInt32 kRealTimeKind = 3;
constexpr SInt32 kStereoStem = 1;
} // namespace

OSType FindStereoRealTimeType(CRoutineTable& routines)
{
    SInt16 types = 0;
    ThrowOnHostError(routines.GetNumProcessTypes(&types), "counting the types");
    for (SInt32 index = 1; index <= types; ++index)
    {
        OSType maker = 0, product = 0, type = 0;
        SInt32 kind = 0, input = -1, output = -1, third = -1;
        if (routines.GetProcessTypeIDs(index, &maker, &product, &type) != 0 ||
            routines.GetPlugInType(type, &kind) != 0 || routines.GetStemFormats(type, &input, &output, &third) != 0)
            continue;
        if (kind == kRealTimeKind && input == kStereoStem && output == kStereoStem)
            return type;
    }
    throw CHostError(-7125, "finding the stereo real-time type");
}
