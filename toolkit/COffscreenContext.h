// A drawing context on a private image of its own, copied into another context when complete.
#pragma once

#include "CDrawContext.h"
#include "CPoint.h"

class COffscreenContext : public CDrawContext
{
public:
    COffscreenContext(CFrame* frame, int32_t width, int32_t height, const CColor& background = kBlackCColor);
    ~COffscreenContext() override;

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    void clear(const CColor& colour);
    // Copies the image from source onwards into destRect of dest.
    void copyFrom(CDrawContext* dest, const CRect& destRect, const CPoint& source) const;

private:
    COffscreenContext(CFrame* frame, cairo_surface_t* surface, const CColor& background);

    cairo_surface_t* surface;
    int32_t width;
    int32_t height;
};
