#include "CBitmap.h"

#include "CDrawContext.h"
#include "ModuleInstance.h"
#include "PixelAccess.h"

#include <cstdio>

namespace
{
// Until a folder is set, bitmaps are the resources of the plug-in bundle the toolkit runs in,
// or lie in the current directory outside a bundle.
std::string& chosenResourceFolder()
{
    static std::string folder;
    return folder;
}

std::string resourceFolder()
{
    if (!chosenResourceFolder().empty())
        return chosenResourceFolder();
    const void* module = getModuleInstance();
    std::string folder = bundleResourceFolderOf(module != nullptr ? module : reinterpret_cast<const void*>(&resourceFolder));
    return folder.empty() ? "." : folder;
}

cairo_surface_t* loadResource(int32_t number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/bmp%05d.png", static_cast<int>(number));
    cairo_surface_t* image = cairo_image_surface_create_from_png((resourceFolder() + name).c_str());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS)
        return image;
    cairo_surface_destroy(image);
    return nullptr;
}

uint32_t* pixelAddress(cairo_surface_t* image, int32_t x, int32_t y)
{
    unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<uint32_t*>(row) + x;
}

void paint(CDrawContext* context, cairo_surface_t* image, const CRect& rect, const CPoint& offset, double opacity)
{
    cairo_t* cr = context ? context->getCairo() : nullptr;
    if (!cr || !image || rect.isEmpty())
        return;
    cairo_save(cr);
    cairo_set_source_surface(cr, image, rect.left - offset.h, rect.top - offset.v);
    cairo_rectangle(cr, rect.left, rect.top, rect.width(), rect.height());
    cairo_clip(cr);
    cairo_paint_with_alpha(cr, opacity);
    cairo_restore(cr);
}
} // namespace

void CBitmap::setResourceFolder(const std::string& folder)
{
    chosenResourceFolder() = folder;
}

std::string CBitmap::getResourceFolder()
{
    return resourceFolder();
}

CBitmap::CBitmap(int32_t resourceNumber) : CBitmap(loadResource(resourceNumber)) {}

CBitmap::CBitmap(int32_t width, int32_t height)
    : CBitmap(width > 0 && height > 0 ? cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height) : nullptr)
{
}

CBitmap::CBitmap(cairo_surface_t* image) : surface(image)
{
    if (!surface)
        return;
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
    {
        // Opaque PNGs load as RGB24; one pixel format keeps the pixel access simple.
        cairo_surface_t* converted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
                                                                cairo_image_surface_get_height(surface));
        cairo_t* cr = cairo_create(converted);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        surface = converted;
    }
    width = cairo_image_surface_get_width(surface);
    height = cairo_image_surface_get_height(surface);
}

CBitmap::~CBitmap()
{
    if (maskedSurface)
        cairo_surface_destroy(maskedSurface);
    if (surface)
        cairo_surface_destroy(surface);
}

void CBitmap::setPixel(int32_t x, int32_t y, const CColor& colour)
{
    if (!surface || x < 0 || y < 0 || x >= width || y >= height)
        return;
    cairo_surface_flush(surface);
    *pixelAddress(surface, x, y) = premultiply(colour);
    cairo_surface_mark_dirty(surface);
    setTransparentColor(transparentColor);
}

CColor CBitmap::getPixel(int32_t x, int32_t y) const
{
    return surface ? readSurfacePixel(surface, x, y) : CColor{0, 0, 0, 0};
}

void CBitmap::setTransparentColor(const CColor& colour)
{
    transparentColor = colour;
    if (maskedSurface)
        cairo_surface_destroy(maskedSurface);
    maskedSurface = nullptr;
}

cairo_surface_t* CBitmap::transparentImage()
{
    // A fully transparent colour matches only pixels that are invisible anyway.
    if (transparentColor.alpha == 0)
        return surface;
    if (maskedSurface || !surface)
        return maskedSurface;
    maskedSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(surface);
    const uint32_t skipped = premultiply(transparentColor);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
        {
            const uint32_t pixel = *pixelAddress(surface, x, y);
            *pixelAddress(maskedSurface, x, y) = pixel == skipped ? 0 : pixel;
        }
    cairo_surface_mark_dirty(maskedSurface);
    return maskedSurface;
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    paint(context, surface, rect, offset, 1.0);
}

void CBitmap::drawTransparent(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    paint(context, transparentImage(), rect, offset, 1.0);
}

void CBitmap::drawAlphaBlend(CDrawContext* context, const CRect& rect, const CPoint& offset, uint8_t alpha)
{
    paint(context, surface, rect, offset, alpha / 255.0);
}
