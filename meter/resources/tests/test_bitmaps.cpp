// Reads the committed PNGs back and checks what the window relies on: sizes, frame layout,
// the colour rows of the scale strips and the transparent colour.

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface loadBitmap(int id)
{
    char path[512];
    std::snprintf(path, sizeof path, "%s/bmp%05d.png", KELVARO_BITMAP_DIR, id);
    return Surface(cairo_image_surface_create_from_png(path), cairo_surface_destroy);
}

uint32_t pixel(cairo_surface_t* s, int x, int y)
{
    const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

constexpr uint32_t kMagenta = 0xFFFF00FF;

enum class Hue { red, yellow, green, other };

Hue hueOf(uint32_t argb)
{
    const int r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
    if (r > 2 * g && r > 2 * b)
        return Hue::red;
    if (r > 2 * b && g > 2 * b && r > g / 2 && g > r / 2)
        return Hue::yellow;
    if (g > 2 * r && g > 2 * b)
        return Hue::green;
    return Hue::other;
}

bool framesEqual(cairo_surface_t* s, int frameHeight)
{
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < cairo_image_surface_get_width(s); ++x)
            if (pixel(s, x, y) != pixel(s, x, y + frameHeight))
                return false;
    return true;
}

struct BitmapSize
{
    int id, width, height;
};

TEST(MeterBitmaps, HaveTheSizesTheWindowLaysOut)
{
    const BitmapSize sizes[] = {
        {1000, 211, 776}, {1001, 85, 54}, {1002, 5, 482},  {1003, 14, 482}, {1004, 59, 78}, {1005, 59, 78},
        {1006, 59, 78},   {1007, 158, 13}, {1008, 32, 38}, {1009, 20, 482}, {1010, 20, 482}, {1011, 20, 482},
        {1012, 41, 482},  {1013, 41, 482}, {1014, 41, 482}, {1015, 54, 988}, {1016, 211, 142},
    };
    for (const BitmapSize& expected : sizes)
    {
        Surface s = loadBitmap(expected.id);
        ASSERT_EQ(cairo_surface_status(s.get()), CAIRO_STATUS_SUCCESS) << expected.id;
        EXPECT_EQ(cairo_image_surface_get_width(s.get()), expected.width) << expected.id;
        EXPECT_EQ(cairo_image_surface_get_height(s.get()), expected.height) << expected.id;
    }
}

TEST(MeterBitmaps, ScaleStripsChangeColourAtTheirBoundaryRows)
{
    Surface peak = loadBitmap(1002);
    Surface rms = loadBitmap(1003);
    for (int row = 0; row < 482; ++row)
    {
        const Hue peakHue = row < 10 ? Hue::red : row < 80 ? Hue::yellow : Hue::green;
        const Hue rmsHue = row < 80 ? Hue::yellow : Hue::green;
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(hueOf(pixel(peak.get(), x, row)), peakHue) << "peak row " << row;
        for (int x = 0; x < 14; ++x)
            ASSERT_EQ(hueOf(pixel(rms.get(), x, row)), rmsHue) << "rms row " << row;
    }
}

TEST(MeterBitmaps, DynamicRangeBarsAreGreenYellowRed)
{
    const struct
    {
        int id;
        Hue hue;
    } bars[] = {{1009, Hue::green}, {1010, Hue::yellow}, {1011, Hue::red},
                {1012, Hue::green}, {1013, Hue::yellow}, {1014, Hue::red}};
    for (const auto& bar : bars)
    {
        Surface s = loadBitmap(bar.id);
        const int width = cairo_image_surface_get_width(s.get());
        for (int row = 0; row < 482; row += 37)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(hueOf(pixel(s.get(), x, row)), bar.hue) << bar.id << " at " << x << "," << row;
    }
}

// Drawn transparently with the default key (white, alpha 0): they must be fully opaque.
TEST(MeterBitmaps, StripsDrawnWithTheDefaultKeyAreOpaque)
{
    for (int id : {1002, 1003, 1007})
    {
        Surface s = loadBitmap(id);
        for (int y = 0; y < cairo_image_surface_get_height(s.get()); ++y)
            for (int x = 0; x < cairo_image_surface_get_width(s.get()); ++x)
                ASSERT_EQ(pixel(s.get(), x, y) >> 24, 0xFFu) << id;
    }
    Surface pointer = loadBitmap(1007);
    EXPECT_EQ(pixel(pointer.get(), 0, 0), pixel(pointer.get(), 157, 12)) << "pointer strip has one colour";
}

TEST(MeterBitmaps, TwoFrameControlsShowTwoDifferentStates)
{
    const struct
    {
        int id, frameHeight;
    } framed[] = {{1001, 27}, {1004, 39}, {1005, 39}, {1006, 39}, {1008, 19}};
    for (const auto& bitmap : framed)
    {
        Surface s = loadBitmap(bitmap.id);
        EXPECT_FALSE(framesEqual(s.get(), bitmap.frameHeight)) << bitmap.id;
        EXPECT_EQ(pixel(s.get(), 0, 0), kMagenta) << bitmap.id << " corner is transparent";
    }
}

TEST(MeterBitmaps, BarBackdropIsABlackBoxInTwoIdenticalFrames)
{
    Surface s = loadBitmap(1015);
    ASSERT_TRUE(framesEqual(s.get(), 494));
    for (int y = 0; y < 494; ++y)
        for (int x = 0; x < 54; ++x)
        {
            const bool inBox = x >= 5 && x < 49 && y >= 5 && y < 489;
            ASSERT_EQ(pixel(s.get(), x, y), inBox ? 0xFF000000u : kMagenta) << x << "," << y;
        }
}

} // namespace
