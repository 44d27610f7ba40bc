#include "COffscreenWindow.h"

#include "PixelAccess.h"

COffscreenWindow::COffscreenWindow(int32_t width, int32_t height, CSystem* system)
    : CWindow(system ? *system : clock), surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
{
}

COffscreenWindow::~COffscreenWindow()
{
    cairo_surface_destroy(surface);
}

int32_t COffscreenWindow::getWidth() const
{
    return cairo_image_surface_get_width(surface);
}

int32_t COffscreenWindow::getHeight() const
{
    return cairo_image_surface_get_height(surface);
}

void COffscreenWindow::fill(const CColor& colour)
{
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, colour.alpha / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

CColor COffscreenWindow::getPixel(int32_t x, int32_t y) const
{
    return readSurfacePixel(surface, x, y);
}

bool COffscreenWindow::savePng(const char* path) const
{
    return cairo_surface_write_to_png(surface, path) == CAIRO_STATUS_SUCCESS;
}
