// Reading and writing single pixels of 32-bit premultiplied ARGB image data.
#pragma once

#include "CColor.h"

#include <cairo.h>

#include <cstdint>

CColor unpremultiply(uint32_t argb);
uint32_t premultiply(const CColor& colour);
// The pixel at (x, y) of an image surface; transparent black outside it.
CColor readSurfacePixel(cairo_surface_t* surface, int32_t x, int32_t y);
