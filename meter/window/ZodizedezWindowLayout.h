// Where the meter window's controls sit, which bitmap each draws and what each is bound to, in
// the order the window builds them (later ones are drawn above earlier ones).
#pragma once

#include "CRect.h"
#include "QVEditor.h"
#include "ZodizedezMeter.h"

#include <array>
#include <cstdint>

namespace ZodizedezWindowLayout
{
constexpr int32_t kWidth = 211;
constexpr int32_t kHeight = 776;

constexpr int32_t meterTag(int32_t meter)
{
    return QVEditor::kTagMeter | meter;
}

// ---- Bitmaps, by number ----
enum Bitmap : int32_t
{
    kBackground = 1000,
    kRangeReadoutBackdrop = 1001,
    kPeakScale = 1002,
    kRmsScale = 1003,
    kLinkButton = 1004,
    kMonoButton = 1005,
    kResetButton = 1006,
    kCorrelationScale = 1007,
    kSilenceLamp = 1008,
    kChannelRangeBars = 1009,  // green, yellow, red: 1009, 1010, 1011
    kCombinedRangeBars = 1012, // green, yellow, red: 1012, 1013, 1014
    kRangeBarBackdrop = 1015,
    kInformationPanel = 1016,
};

// Bitmaps whose magenta pixels are see-through.
inline constexpr std::array kMagentaKeyed = {
    kRangeReadoutBackdrop, kLinkButton, kMonoButton, kResetButton, kSilenceLamp, kRangeBarBackdrop};

// ---- Controls ----
struct Placement
{
    CRect rect;
    int32_t bitmap;
    int32_t tag;
};

// Frame 0 or 1 of a two-frame strip, frames as high as the control.
inline constexpr std::array<Placement, 4> kBitmapDisplays = {{
    {{63, 95, 148, 122}, kRangeReadoutBackdrop, kParamLink},
    {{79, 120, 133, 614}, kRangeBarBackdrop, kParamLink},
    {{30, 612, 62, 631}, kSilenceLamp, meterTag(kMeterSilenceL)},
    {{149, 612, 181, 631}, kSilenceLamp, meterTag(kMeterSilenceR)},
}};

constexpr int32_t kLevelSteps = 482; // one step per pixel of the 0 to -48 dB scale
constexpr int32_t kCorrelationSteps = 158;

inline constexpr std::array<Placement, 4> kLevelBars = {{
    {{35, 126, 40, 608}, kPeakScale, meterTag(kMeterPeakL)},
    {{170, 126, 175, 608}, kPeakScale, meterTag(kMeterPeakR)},
    {{42, 126, 56, 608}, kRmsScale, meterTag(kMeterRmsL)},
    {{155, 126, 169, 608}, kRmsScale, meterTag(kMeterRmsR)},
}};

struct LineMeterPlacement
{
    Placement placement;
    int32_t steps;
    int32_t style; // CMeterView::Style
    float value;
};

inline constexpr std::array<LineMeterPlacement, 5> kLineMeters = {{
    {{{35, 126, 40, 608}, kPeakScale, meterTag(kMeterPeakHoldL)}, kLevelSteps, 0, 0},
    {{{170, 126, 175, 608}, kPeakScale, meterTag(kMeterPeakHoldR)}, kLevelSteps, 0, 0},
    {{{42, 126, 56, 608}, kRmsScale, meterTag(kMeterRmsHoldL)}, kLevelSteps, 0, 0},
    {{{155, 126, 169, 608}, kRmsScale, meterTag(kMeterRmsHoldR)}, kLevelSteps, 0, 0},
    {{{26, 64, 184, 77}, kCorrelationScale, meterTag(kMeterCorrelation)}, kCorrelationSteps, 1, 0.5f},
}};

// The dynamic-range bars are fed directly: each needs its dynamic range and its smoothed peak.
struct RangeBarPlacement
{
    CRect rect;
    int32_t firstBitmap;
    int32_t rangeMeter;
    int32_t peakMeter;
};

enum RangeDisplay : int32_t
{
    kRangeLeft,
    kRangeRight,
    kRangeCombined,
    kRangeDisplayCount,
};

inline constexpr std::array<RangeBarPlacement, kRangeDisplayCount> kRangeBars = {{
    {{86, 126, 106, 608}, kChannelRangeBars, kMeterDynamicRangeL, kMeterPeakSmoothL},
    {{107, 126, 127, 608}, kChannelRangeBars, kMeterDynamicRangeR, kMeterPeakSmoothR},
    {{86, 126, 127, 608}, kCombinedRangeBars, kMeterDynamicRangeLR, kMeterPeakSmoothMax},
}};

struct ReadoutPlacement
{
    CRect rect;
    int32_t tag;
};

inline constexpr std::array<ReadoutPlacement, 4> kLevelReadouts = {{
    {{28, 102, 63, 116}, meterTag(kMeterAllTimePeakL)},
    {{150, 102, 185, 116}, meterTag(kMeterAllTimePeakR)},
    {{28, 646, 64, 660}, meterTag(kMeterRmsL)},
    {{147, 646, 183, 660}, meterTag(kMeterRmsR)},
}};

inline constexpr std::array<ReadoutPlacement, kRangeDisplayCount> kRangeReadouts = {{
    {{68, 100, 104, 117}, meterTag(kMeterDynamicRangeL)},
    {{105, 100, 141, 117}, meterTag(kMeterDynamicRangeR)},
    {{86, 100, 86, 100}, meterTag(kMeterDynamicRangeLR)},
}};

inline constexpr Placement kLinkSwitch = {{138, 686, 197, 725}, kLinkButton, kParamLink};
inline constexpr Placement kMonoSwitch = {{78, 686, 137, 725}, kMonoButton, kParamMono};
inline constexpr Placement kReset = {{18, 686, 77, 725}, kResetButton, QVEditor::kTagUnbound};
constexpr int32_t kButtonFrameHeight = 39;

inline constexpr Placement kInformation = {{24, 746, 188, 759}, kInformationPanel, -1};
inline constexpr CRect kInformationPanelRect = {0, 634, 211, 776};
inline constexpr CPoint kInformationTextOffset = {52, 0};
inline constexpr const char* kMakerWebAddress = "www.auvenor.example.com";

// ---- The two dynamic-range layouts: per channel, or one combined display (Link) ----
// The bars keep the size of their bitmaps in either layout, as when they were built.
struct RangeLayout
{
    std::array<CRect, kRangeDisplayCount> readouts;
    std::array<CRect, kRangeDisplayCount> bars;
};

inline constexpr RangeLayout kPerChannelLayout = {
    {{kRangeReadouts[kRangeLeft].rect, kRangeReadouts[kRangeRight].rect, {}}},
    {{kRangeBars[kRangeLeft].rect, kRangeBars[kRangeRight].rect, {}}},
};

inline constexpr RangeLayout kLinkedLayout = {
    {{{}, {}, {86, 100, 122, 117}}},
    {{{}, {}, kRangeBars[kRangeCombined].rect}},
};
} // namespace ZodizedezWindowLayout
