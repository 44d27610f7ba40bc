#include "CBitmap.h"
#include "CDrawContext.h"
#include "COffscreenWindow.h"
#include "TestBitmaps.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace
{
constexpr CColor kMagenta{255, 0, 255, 255};
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kGreen{0, 255, 0, 255};

struct BitmapDrawing : testing::Test
{
    COffscreenWindow window{8, 20};

    void SetUp() override { window.fill(kBlackCColor); }
};

void saveOpaqueRedPng(const std::filesystem::path& path)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 3, 2); // an opaque PNG
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_write_to_png(image, path.c_str());
    cairo_surface_destroy(image);
}
} // namespace

TEST(BitmapLoading, FindsThePngByNumberInTheResourceFolderAndIsEmptyWhenMissing)
{
    const auto folder = std::filesystem::temp_directory_path() / ("kelvaro-bitmaps-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    saveOpaqueRedPng(folder / "bmp01000.png");
    CBitmap::setResourceFolder(folder.string());

    auto* found = new CBitmap(1000);
    auto* missing = new CBitmap(1001);
    CBitmap::setResourceFolder(".");
    std::filesystem::remove_all(folder);

    EXPECT_EQ(found->getWidth(), 3);
    EXPECT_EQ(found->getHeight(), 2);
    EXPECT_EQ(found->getPixel(2, 1), kRed);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    found->forget();
    missing->forget();
}

TEST_F(BitmapDrawing, CopiesFromTheOffsetAndNothingPastTheBitmapsEnd)
{
    CBitmap* stripes = makeStripes(8, 10);
    {
        CDrawContext context(nullptr, &window);
        stripes->draw(&context, CRect(0, 0, 8, 20), CPoint(0, 5));
    }
    for (int32_t y = 0; y < 5; ++y)
        EXPECT_EQ(stripeIndex(window.getPixel(3, y)), y + 5) << "row " << y;
    for (int32_t y = 5; y < 20; ++y)
        EXPECT_EQ(window.getPixel(3, y), kBlackCColor) << "row " << y;
    stripes->forget();
}

TEST_F(BitmapDrawing, TransparentDrawingSkipsOnlyTheTransparentColour)
{
    CBitmap* bitmap = makeSolid(8, 2, kRed);
    bitmap->setPixel(0, 0, kMagenta);
    window.fill(kGreen);
    {
        CDrawContext context(nullptr, &window);
        bitmap->drawTransparent(&context, CRect(0, 0, 8, 2)); // default: white with alpha 0
        bitmap->setTransparentColor(kMagenta);
        bitmap->drawTransparent(&context, CRect(0, 10, 8, 12));
    }
    EXPECT_EQ(window.getPixel(0, 0), kMagenta);
    EXPECT_EQ(window.getPixel(0, 10), kGreen);
    EXPECT_EQ(window.getPixel(1, 10), kRed);
    bitmap->forget();
}

TEST_F(BitmapDrawing, AlphaBlendWeighsTheBitmapOverWhatIsThere)
{
    CBitmap* red = makeSolid(8, 1, kRed);
    {
        CDrawContext context(nullptr, &window);
        red->drawAlphaBlend(&context, CRect(0, 0, 8, 1), {}, 127);
        red->drawAlphaBlend(&context, CRect(0, 1, 8, 2), {}, 0);
        red->drawAlphaBlend(&context, CRect(0, 2, 8, 3), {}, 255);
    }
    EXPECT_NEAR(window.getPixel(4, 0).red, 127, 1);
    EXPECT_EQ(window.getPixel(4, 1), kBlackCColor);
    EXPECT_EQ(window.getPixel(4, 2), kRed);
    red->forget();
}
