#include <gtest/gtest.h>

#include <functional>

#include "CPluginControlManager.h"
#include "TestControl.h"

namespace
{
ComponentResult CodeOf(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (const CDAEError& error)
    {
        return error.Code();
    }
    return 0;
}
} // namespace

TEST(PluginControlManager, IndicesStartAtOneAndOthersThrow)
{
    CPluginControlManager manager;
    auto* first = new CTestControl("a");
    auto* second = new CTestControl("b");
    manager.AddControl(first);
    manager.AddControl(second);

    EXPECT_EQ(manager.GetNumControls(), 2);
    EXPECT_EQ(manager.GetControl(1), first);
    EXPECT_EQ(manager.GetControl(2), second);
    for (int index : {0, -1, 3})
    {
        EXPECT_FALSE(manager.IsValidControlIndex(index));
        EXPECT_EQ(CodeOf([&] { manager.GetControl(index); }), -7300) << index;
        EXPECT_EQ(CodeOf([&] { manager.FailInvalidControlIndex(index); }), -7300) << index;
    }
}

TEST(PluginControlManager, NullControlIsRefused)
{
    CPluginControlManager manager;
    EXPECT_EQ(CodeOf([&] { manager.AddControl(nullptr); }), -7053);
    EXPECT_EQ(manager.GetNumControls(), 0);
}

TEST(PluginControlManager, DeletesItsControls)
{
    bool deleted = false;
    {
        CPluginControlManager manager;
        manager.AddControl(new CTestControl("a", &deleted));
    }
    EXPECT_TRUE(deleted);
}

TEST(PluginControl, FreshControlHoldsTheLowestSetting)
{
    EXPECT_EQ(CTestControl("a").GetValue(), kControlValueLowest);
}
