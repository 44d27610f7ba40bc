// The bundle as the build lays it out, read from the files themselves.
#include <gtest/gtest.h>

#include <filesystem>

#include "ElfExports.h"

namespace
{
const std::filesystem::path kBundle = KELVARO_PASSTHROUGH_BUNDLE;
}

TEST(Bundle, LibraryLiesThreeLevelsBelowTheBundle)
{
    const std::filesystem::path library = kBundle / "Contents" / "Linux" / "PassthroughFixture.so";
    ASSERT_TRUE(std::filesystem::is_regular_file(library));
    EXPECT_EQ(library.parent_path().parent_path().parent_path(), kBundle);
}

TEST(Bundle, ResourcesAreCopiedIntoContentsResources)
{
    EXPECT_TRUE(std::filesystem::is_regular_file(kBundle / "Contents" / "Resources" / "fixture-note.txt"));
}

TEST(Bundle, LibraryExportsOnlyTheEntryPairTheTableWordAndTheDispatcher)
{
    const std::set<std::string> expected{"NewMachOPlugIn", "CloseMachOPlugIn", "_PI_GetRoutineDescriptor", "Dispatcher"};
    EXPECT_EQ(DefinedDynamicSymbols((kBundle / "Contents" / "Linux" / "PassthroughFixture.so").string()), expected);
}

TEST(Bundle, ElfReaderSeesEveryExportOfAnOrdinaryLibrary)
{
    const std::set<std::string> engine = DefinedDynamicSymbols(KELVARO_ENGINE_LIBRARY);
    EXPECT_TRUE(engine.contains("FicRegisterRTASInstance"));
    EXPECT_GT(engine.size(), 4u);
}
