#include "CScriptedSystem.h"

void CScriptedSystem::play(std::vector<GestureStep> gesture)
{
    steps = std::move(gesture);
    position = 0;
    if (!steps.empty())
        lastLocation = steps.front().where;
}

void CScriptedSystem::playDrag(CPoint from, CPoint to, int32_t moves, int32_t buttons)
{
    std::vector<GestureStep> gesture{{from, buttons}};
    for (int32_t i = 1; i <= moves; ++i)
        gesture.push_back({{from.h + (to.h - from.h) * i / moves, from.v + (to.v - from.v) * i / moves}, buttons});
    play(std::move(gesture));
}

int32_t CScriptedSystem::getMouseButtons()
{
    return finished() ? 0 : steps[position].buttons;
}

CPoint CScriptedSystem::getMouseLocation()
{
    if (!finished())
        ++position;
    if (!finished())
        lastLocation = steps[position].where;
    return lastLocation;
}
