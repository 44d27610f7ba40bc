// The toolkit's standard fonts, chosen by number. All are Liberation Sans; they differ in size.
#pragma once

#include <cstdint>

enum CFont : int32_t
{
    kFontSystem = 0,
    kFontHuge,
    kFontLarge,
    kFontNormal,
    kFontSmall,   // 10 pt: information text
    kFontSmaller, // 9 pt: read-outs
    kFontTiny,
    kFontSymbol,
};

enum CFontFace : int32_t
{
    kFacePlain = 0,
    kFaceBold = 1,
    kFaceItalic = 2,
};

enum TextAlignment : int32_t
{
    kAlignLeft = 0,
    kAlignCenter = 1,
    kAlignRight = 2,
};

// Size in pixels (one point is one pixel) of a standard font; unknown numbers get the normal size.
double standardFontSize(CFont font);
