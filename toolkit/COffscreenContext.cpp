#include "COffscreenContext.h"

COffscreenContext::COffscreenContext(CFrame* frame, int32_t width, int32_t height, const CColor& background)
    : COffscreenContext(frame, cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), background)
{
}

COffscreenContext::COffscreenContext(CFrame* frame, cairo_surface_t* surface, const CColor& background)
    : CDrawContext(frame, surface), surface(surface), width(cairo_image_surface_get_width(surface)),
      height(cairo_image_surface_get_height(surface))
{
    clear(background);
}

COffscreenContext::~COffscreenContext()
{
    // The drawing state keeps its own reference to the surface until the base lets go of it.
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
}

void COffscreenContext::clear(const CColor& colour)
{
    cairo_t* cr = getCairo();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, colour.alpha / 255.0);
    cairo_paint(cr);
    cairo_restore(cr);
}

void COffscreenContext::copyFrom(CDrawContext* dest, const CRect& destRect, const CPoint& source) const
{
    cairo_t* cr = dest ? dest->getCairo() : nullptr;
    if (!cr || destRect.isEmpty())
        return;
    cairo_surface_flush(surface);
    cairo_save(cr);
    cairo_set_source_surface(cr, surface, destRect.left - source.h, destRect.top - source.v);
    cairo_rectangle(cr, destRect.left, destRect.top, destRect.width(), destRect.height());
    cairo_fill(cr);
    cairo_restore(cr);
}
