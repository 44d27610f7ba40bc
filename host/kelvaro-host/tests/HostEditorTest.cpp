// The plug-in window: the port the host hands over reaches the plug-in's view, which draws into
// the port's window; clicks arrive through the routine table. Pictures read back from the PNG.
#include <gtest/gtest.h>

#include "CEditorPort.h"
#include "CPlugInModule.h"
#include "HostProgram.h"
#include "StereoType.h"

namespace
{
class HostEditor : public testing::Test
{
protected:
    SPicture Picture()
    {
        EXPECT_TRUE(fPort.SavePicture(fFolder / "editor.png"));
        return ReadPicture(fFolder / "editor.png");
    }

    CScratchFolder fFolder;
    CPlugInModule fModule{KELVARO_PASSTHROUGH_BUNDLE};
    CHostProcess fProcess{fModule.Routines(), FindStereoRealTimeType(fModule.Routines())};
    CEditorPort fPort{fProcess};
};
} // namespace

TEST_F(HostEditor, WindowTakesTheSizeOfTheView)
{
    EXPECT_TRUE(fPort.HasView());
    EXPECT_EQ(fPort.Width(), 64);
    EXPECT_EQ(fPort.Height(), 32);
}

TEST_F(HostEditor, ViewDrawsIntoThePortsWindowAndClicksReachIt)
{
    fPort.Attach();
    ASSERT_EQ(fPort.Draw(), 0);
    EXPECT_EQ(Picture().Centre(), kFixtureTeal);
    ASSERT_EQ(fPort.Click(10, 10), 0);
    fPort.Draw();
    EXPECT_EQ(Picture().Centre(), kFixtureRed);
}

TEST_F(HostEditor, ViewWithoutAPortDrawsNothing)
{
    fPort.Attach();
    fPort.Detach();
    fPort.Draw();
    EXPECT_EQ(Picture().Centre(), 0u);
}

TEST(HostSnapshot, RunSavesTheWindowAsTheUserSeesItAtTheEnd)
{
    const CScratchFolder folder;
    const SHostOutcome outcome = RunHost({"run", KELVARO_PASSTHROUGH_BUNDLE, "--snapshot", folder / "window.png"});
    ASSERT_EQ(outcome.fExitStatus, 0) << outcome.fError;
    const SPicture picture = ReadPicture(folder / "window.png");
    EXPECT_EQ(picture.fWidth, 64);
    EXPECT_EQ(picture.fHeight, 32);
    EXPECT_EQ(picture.Centre(), kFixtureTeal);
}
