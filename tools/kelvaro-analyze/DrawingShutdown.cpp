#include "DrawingShutdown.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

void releaseDrawingCaches()
{
    cairo_debug_reset_static_data();
    FcFini();
}
