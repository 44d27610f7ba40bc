#include "CDrawContext.h"

#include "CWindow.h"

// Fontconfig, which finds the fonts for text, keeps its configuration for the whole process;
// leak checkers (in sanitizer builds) are told not to report it.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace
{
cairo_surface_t* surfaceOf(void* systemWindow)
{
    return systemWindow ? static_cast<CWindow*>(systemWindow)->getSurface() : nullptr;
}
} // namespace

CDrawContext::CDrawContext(CFrame* frame, void* systemWindow) : CDrawContext(frame, surfaceOf(systemWindow))
{
    window = systemWindow;
}

CDrawContext::CDrawContext(CFrame* frame, cairo_surface_t* surface)
    : frame(frame), cairo(surface ? cairo_create(surface) : nullptr)
{
    setFont(kFontNormal);
}

CDrawContext::~CDrawContext()
{
    if (!cairo)
        return;
    cairo_surface_flush(cairo_get_target(cairo));
    cairo_destroy(cairo);
    if (window)
        static_cast<CWindow*>(window)->flush();
}

void CDrawContext::setSourceColor(const CColor& colour)
{
    cairo_set_source_rgba(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, colour.alpha / 255.0);
}

void CDrawContext::setFont(CFont newFont, double size, int32_t face)
{
    font = newFont;
    fontSize = size > 0 ? size : standardFontSize(newFont);
    fontFace = face;
}

void CDrawContext::applyFont()
{
    cairo_select_font_face(cairo, "Liberation Sans",
                           (fontFace & kFaceItalic) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (fontFace & kFaceBold) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, fontSize);
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (!cairo || rect.isEmpty())
        return;
    setSourceColor(fillColor);
    cairo_rectangle(cairo, rect.left, rect.top, rect.width(), rect.height());
    cairo_fill(cairo);
}

void CDrawContext::drawRect(const CRect& rect)
{
    if (!cairo || rect.isEmpty())
        return;
    setSourceColor(frameColor);
    cairo_set_line_width(cairo, 1);
    cairo_rectangle(cairo, rect.left + 0.5, rect.top + 0.5, rect.width() - 1, rect.height() - 1);
    cairo_stroke(cairo);
}

void CDrawContext::drawString(const char* text, const CRect& rect, bool opaque, TextAlignment alignment)
{
    if (!cairo || rect.isEmpty())
        return;
    if (opaque)
        fillRect(rect);
    saveClip(rect);
    applyFont();
    cairo_font_extents_t extents;
    cairo_font_extents(cairo, &extents);
    const double width = getStringWidth(text);
    double x = rect.left;
    if (alignment == kAlignCenter)
        x += (rect.width() - width) / 2;
    else if (alignment == kAlignRight)
        x += rect.width() - width;
    const double baseline = rect.top + (rect.height() + extents.ascent - extents.descent) / 2;
    setSourceColor(fontColor);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text);
    restoreClip();
}

double CDrawContext::getStringWidth(const char* text)
{
    if (!cairo)
        return 0;
    applyFont();
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text, &extents);
    return extents.x_advance;
}

void CDrawContext::saveClip(const CRect* rects, size_t count)
{
    if (!cairo)
        return;
    cairo_save(cairo);
    for (size_t i = 0; i < count; ++i)
        cairo_rectangle(cairo, rects[i].left, rects[i].top, rects[i].width(), rects[i].height());
    cairo_clip(cairo);
}

void CDrawContext::restoreClip()
{
    if (cairo)
        cairo_restore(cairo);
}
