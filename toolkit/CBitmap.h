// A picture, loaded by number from the resource folder as "bmp%05d.png" (bitmap 1000 is
// bmp01000.png), or made blank in memory. Shared by the views that draw it. A bitmap that cannot
// be loaded is 0 x 0 and draws nothing.
#pragma once

#include "CColor.h"
#include "CPoint.h"
#include "CRect.h"
#include "CReferenceCounter.h"

#include <cairo.h>

#include <string>

class CDrawContext;

class CBitmap : public CReferenceCounter
{
public:
    // Where bitmaps are looked for: until set (or after setting ""), the resources of the plug-in
    // bundle the toolkit runs in (ModuleInstance.h), outside a bundle the current directory.
    static void setResourceFolder(const std::string& folder);
    static std::string getResourceFolder();

    explicit CBitmap(int32_t resourceNumber);
    // A blank, fully transparent bitmap.
    CBitmap(int32_t width, int32_t height);
    ~CBitmap() override;

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    bool isLoaded() const { return surface != nullptr; }

    void setPixel(int32_t x, int32_t y, const CColor& colour);
    CColor getPixel(int32_t x, int32_t y) const;

    // Pixels of exactly this colour (alpha included) are skipped by drawTransparent.
    void setTransparentColor(const CColor& colour);
    const CColor& getTransparentColor() const { return transparentColor; }

    // Each draws into rect the part of the bitmap that starts at offset; only pixels that lie
    // within the bitmap are drawn.
    void draw(CDrawContext* context, const CRect& rect, const CPoint& offset = {});
    void drawTransparent(CDrawContext* context, const CRect& rect, const CPoint& offset = {});
    // Blends with the given opacity, 0 (invisible) to 255 (as drawn).
    void drawAlphaBlend(CDrawContext* context, const CRect& rect, const CPoint& offset = {}, uint8_t alpha = 255);

private:
    explicit CBitmap(cairo_surface_t* image);
    cairo_surface_t* transparentImage();

    cairo_surface_t* surface = nullptr;
    cairo_surface_t* maskedSurface = nullptr; // surface without the transparent colour, made on demand
    int32_t width = 0;
    int32_t height = 0;
    CColor transparentColor = kTransparentCColor;
};
