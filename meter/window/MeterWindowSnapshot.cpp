#include "MeterWindowSnapshot.h"

#include "COffscreenWindow.h"
#include "ZodizedezEditor.h"

bool saveMeterWindowSnapshot(QVEffect& effect, const char* pngPath)
{
    ZodizedezEditor editor(&effect);
    COffscreenWindow window(ZodizedezWindowLayout::kWidth, ZodizedezWindowLayout::kHeight);
    editor.open(&window); // its first refresh reads the effect's current values
    editor.draw(nullptr);
    const bool saved = window.savePng(pngPath);
    editor.close();
    return saved;
}
