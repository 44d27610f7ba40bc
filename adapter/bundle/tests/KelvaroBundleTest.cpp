// Kelvaro.bundle as a host finds it: its files, its exports, and the types its routine table lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "CPlugInModule.h"
#include "ElfExports.h"

namespace
{
const std::filesystem::path kBundle = KELVARO_BUNDLE;
const std::filesystem::path kLibrary = kBundle / "Contents" / "Linux" / "Kelvaro.so";

std::vector<OSType> ListedTypes(CRoutineTable& routines)
{
    SInt16 count = 0;
    EXPECT_EQ(routines.GetNumProcessTypes(&count), 0);
    std::vector<OSType> types;
    for (SInt32 index = 1; index <= count; ++index)
    {
        OSType maker = 0, product = 0, type = 0;
        EXPECT_EQ(routines.GetProcessTypeIDs(index, &maker, &product, &type), 0);
        EXPECT_EQ(maker, FourCC("avnr"));
        EXPECT_EQ(product, FourCC("kvro"));
        types.push_back(type);
    }
    return types;
}
} // namespace

TEST(KelvaroBundle, ExportsOnlyTheEntryPairTheTableWordAndTheDispatcher)
{
    const std::set<std::string> expected{"NewMachOPlugIn", "CloseMachOPlugIn", "_PI_GetRoutineDescriptor", "Dispatcher"};
    EXPECT_EQ(DefinedDynamicSymbols(kLibrary.string()), expected);
}

TEST(KelvaroBundle, HoldsTheSeventeenWindowBitmaps)
{
    for (int number = 1000; number <= 1016; ++number)
    {
        const std::filesystem::path bitmap = kBundle / "Contents" / "Resources" / ("bmp0" + std::to_string(number) + ".png");
        EXPECT_TRUE(std::filesystem::is_regular_file(bitmap)) << bitmap;
    }
}

TEST(KelvaroBundle, LoadsAndListsOnlyTheStereoRealTimeType)
{
    CPlugInModule module(kBundle.string());  // throws unless the entry answers 0
    EXPECT_EQ(ListedTypes(module.Routines()), std::vector<OSType>{FourCC("RTST")});
    SInt32 category = -1;
    EXPECT_EQ(module.Routines().Gestalt(FourCC("RTST"), 21, &category), 0);
    EXPECT_EQ(category, 0);
}

TEST(KelvaroBundle, LoadsAgainAfterAnUnload)
{
    for (int load = 0; load < 3; ++load)
    {
        CPlugInModule module(kBundle.string());
        EXPECT_EQ(ListedTypes(module.Routines()).size(), 1u);
    }
}
