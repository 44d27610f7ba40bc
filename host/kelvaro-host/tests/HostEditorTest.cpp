// The plug-in window: the port the host hands over reaches the plug-in's view, which draws into
// the port's window; clicks arrive through the routine table. Pictures read back from the PNG.
#include <gtest/gtest.h>

#include <cairo.h>

#include "CEditorPort.h"
#include "CPlugInModule.h"
#include "HostProgram.h"
#include "StereoType.h"

namespace
{
constexpr UInt32 kTeal = 0xFF008080;
constexpr UInt32 kRed = 0xFFFF0000;

struct SPicture
{
    int fWidth = 0;
    int fHeight = 0;
    UInt32 fCentre = 0;
};

SPicture ReadPicture(const std::string& path)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    SPicture picture;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS)
    {
        picture.fWidth = cairo_image_surface_get_width(image);
        picture.fHeight = cairo_image_surface_get_height(image);
        const auto* row = cairo_image_surface_get_data(image) +
                          size_t(picture.fHeight / 2) * size_t(cairo_image_surface_get_stride(image));
        picture.fCentre = reinterpret_cast<const UInt32*>(row)[picture.fWidth / 2];
    }
    cairo_surface_destroy(image);
    return picture;
}

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
    EXPECT_EQ(Picture().fCentre, kTeal);
    ASSERT_EQ(fPort.Click(10, 10), 0);
    fPort.Draw();
    EXPECT_EQ(Picture().fCentre, kRed);
}

TEST_F(HostEditor, ViewWithoutAPortDrawsNothing)
{
    fPort.Attach();
    fPort.Detach();
    fPort.Draw();
    EXPECT_EQ(Picture().fCentre, 0u);
}

TEST(HostSnapshot, RunSavesTheWindowAsTheUserSeesItAtTheEnd)
{
    const CScratchFolder folder;
    const SHostOutcome outcome = RunHost({"run", KELVARO_PASSTHROUGH_BUNDLE, "--snapshot", folder / "window.png"});
    ASSERT_EQ(outcome.fExitStatus, 0) << outcome.fError;
    const SPicture picture = ReadPicture(folder / "window.png");
    EXPECT_EQ(picture.fWidth, 64);
    EXPECT_EQ(picture.fHeight, 32);
    EXPECT_EQ(picture.fCentre, kTeal);
}
