// A system that replays a mouse gesture step by step, with a clock that moves only when told.
// Each poll of the pointer moves the gesture on to its next step; after the last step every
// button is up and the pointer stays where it was. Drag loops therefore run deterministically.
#pragma once

#include "CSystem.h"

#include <cstddef>
#include <vector>

struct GestureStep
{
    CPoint where;
    int32_t buttons = 0;
};

class CScriptedSystem : public CSystem
{
public:
    // Starts a gesture; its first step is the state at the click.
    void play(std::vector<GestureStep> gesture);
    // A straight drag from one point to another in the given number of moves, holding buttons.
    void playDrag(CPoint from, CPoint to, int32_t moves, int32_t buttons);
    bool finished() const { return position >= steps.size(); }

    void setTicks(uint32_t ticks) { now = ticks; }
    void advanceTicks(uint32_t milliseconds) { now += milliseconds; }
    int32_t getEventPasses() const { return eventPasses; }

    int32_t getMouseButtons() override;
    CPoint getMouseLocation() override;
    uint32_t getTicks() override { return now; }
    void processEvents() override { ++eventPasses; }

private:
    std::vector<GestureStep> steps;
    size_t position = 0;
    CPoint lastLocation;
    uint32_t now = 0;
    int32_t eventPasses = 0;
};
