// Releases the drawing libraries' process-wide caches (fonts, font configuration) once nothing
// draws any more, so that leak checkers see a clean exit.
#pragma once

void releaseDrawingCaches();
