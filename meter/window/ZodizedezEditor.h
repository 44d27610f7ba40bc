// The meter window: level bars with hold markers, silence lamps, read-outs, the correlation
// pointer and the dynamic-range display (one bar and read-out per channel, or one combined when
// Link is on), with the Mono, Link and Reset buttons and the information panel.
#pragma once

#include "QVEditor.h"
#include "ZodizedezWindowLayout.h"

#include <array>

class CBitmap;
class CDynamicRangeMeter;
class CKickButton;
class CTextLabel;

class ZodizedezEditor : public QVEditor
{
public:
    explicit ZodizedezEditor(QVEffect* effect);
    ~ZodizedezEditor() override;

    bool open(void* systemWindow) override;
    void updateEditor() override;
    void valueChanged(CDrawContext* context, CControl* control) override;

private:
    void createBitmapDisplays();
    void createLevelMeters();
    void createRangeBars();
    void createReadouts();
    void createButtons();
    void createInformation();
    CTextLabel* createReadout(const CRect& area, int32_t tag);
    void showLayoutOfLink();
    void applyLayout(const ZodizedezWindowLayout::RangeLayout& layout);
    void feedRangeBars();

    // What a dynamic-range bar was last given besides its value, which alone does not redraw it.
    struct RangeFeed
    {
        float decibels = 0;
        float bottom = 0;
    };

    // ---- Fields; the views belong to the frame and live only while the window is open ----
    CBitmap* background;
    // Only the views the window itself moves, feeds or listens to; the base refreshes the others.
    std::array<CDynamicRangeMeter*, ZodizedezWindowLayout::kRangeDisplayCount> rangeBars{};
    std::array<CTextLabel*, ZodizedezWindowLayout::kRangeDisplayCount> rangeReadouts{};
    CKickButton* resetButton = nullptr;
    bool linkedLayout = false;
    std::array<RangeFeed, ZodizedezWindowLayout::kRangeDisplayCount> rangeFeeds{};
};
