// A picture of the meter window as its user would see it now: the window opened on an offscreen
// image, refreshed from the effect and saved as PNG. The bitmaps come from the folder set with
// CBitmap::setResourceFolder.
#pragma once

class QVEffect;

// False when the file could not be written.
bool saveMeterWindowSnapshot(QVEffect& effect, const char* pngPath);
