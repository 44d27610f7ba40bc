// Drawing onto a surface: filled and framed rectangles, text in the standard fonts, clipping.
// A context made on a frame and its host window draws into that window and flushes it when done.
#pragma once

#include "CColor.h"
#include "CFont.h"
#include "CRect.h"

#include <cairo.h>

#include <cstddef>

class CFrame;

class CDrawContext
{
public:
    CDrawContext(CFrame* frame, void* systemWindow);
    CDrawContext(const CDrawContext&) = delete;
    CDrawContext& operator=(const CDrawContext&) = delete;
    virtual ~CDrawContext();

    CFrame* getFrame() const { return frame; }
    // Null when the context has nothing to draw on (no window).
    cairo_t* getCairo() const { return cairo; }

    void setFillColor(const CColor& colour) { fillColor = colour; }
    void setFrameColor(const CColor& colour) { frameColor = colour; }
    void setFontColor(const CColor& colour) { fontColor = colour; }
    const CColor& getFontColor() const { return fontColor; }
    // size 0 takes the standard font's own size; face holds CFontFace bits.
    void setFont(CFont font, double size = 0, int32_t face = kFacePlain);

    void fillRect(const CRect& rect);
    // A one-pixel outline just inside rect.
    void drawRect(const CRect& rect);
    void drawString(const char* text, const CRect& rect, bool opaque, TextAlignment alignment);
    double getStringWidth(const char* text);

    // Restricts drawing to the union of the rectangles until the matching restoreClip.
    void saveClip(const CRect* rects, size_t count);
    void saveClip(const CRect& rect) { saveClip(&rect, 1); }
    void restoreClip();

protected:
    CDrawContext(CFrame* frame, cairo_surface_t* surface);

private:
    void setSourceColor(const CColor& colour);
    void applyFont();

    CFrame* frame;
    void* window = nullptr;
    cairo_t* cairo = nullptr;
    CColor fillColor = kWhiteCColor;
    CColor frameColor = kBlackCColor;
    CColor fontColor = kWhiteCColor;
    CFont font = kFontNormal;
    double fontSize = 12;
    int32_t fontFace = kFacePlain;
};
