#include "CScriptedSystem.h"
#include "MouseButtons.h"

#include <gtest/gtest.h>

TEST(ScriptedSystem, EachPointerPollMovesTheGestureOnUntilEveryButtonIsUp)
{
    CScriptedSystem system;
    system.play({{CPoint(1, 1), kMouseLeft}, {CPoint(2, 2), kMouseLeft | kMouseCommand}});
    EXPECT_EQ(system.getMouseButtons(), kMouseLeft);
    EXPECT_EQ(system.getMouseButtons(), kMouseLeft) << "reading the buttons does not move on";
    EXPECT_EQ(system.getMouseLocation(), CPoint(2, 2));
    EXPECT_EQ(system.getMouseButtons(), kMouseLeft | kMouseCommand);
    EXPECT_EQ(system.getMouseLocation(), CPoint(2, 2)) << "the pointer stays after the last step";
    EXPECT_EQ(system.getMouseButtons(), 0);
    EXPECT_TRUE(system.finished());
}

TEST(ScriptedSystem, ClockMovesOnlyWhenTold)
{
    CScriptedSystem system;
    system.setTicks(100);
    system.advanceTicks(21);
    EXPECT_EQ(system.getTicks(), 121u);
}
