#include <gtest/gtest.h>

#include "FicExports.h"

namespace
{
FicSDSNameId Reserve(FicSDSNameId parent, const char* name)
{
    FicSDSNameId id = 0;
    EXPECT_EQ(FicSDSReserveName(parent, name, &id), 0) << name;
    return id;
}

FicSDSNameId Look(FicSDSNameId parent, const char* name)
{
    FicSDSNameId id = 0;
    FicSDSGetNameId(parent, name, &id);
    return id;
}
} // namespace

TEST(SharedDataNamespace, ReservedNamesAreFoundUnderTheirParentOnly)
{
    const FicSDSNameId root = Reserve(0, "Plug-Ins/Test/Inst0");
    const FicSDSNameId other = Reserve(0, "Plug-Ins/Test/Inst1");
    const FicSDSNameId gain = Reserve(root, "Gain");
    const FicSDSNameId otherGain = Reserve(other, "Gain");

    EXPECT_NE(gain, 0u);
    EXPECT_NE(gain, otherGain);
    EXPECT_EQ(Look(root, "Gain"), gain);
    EXPECT_EQ(Look(other, "Gain"), otherGain);
    EXPECT_EQ(Look(0, "Gain"), 0u);
    EXPECT_EQ(Look(0, "Plug-Ins/Test/Inst0"), root);
    FicSDSNameId id = 5;
    EXPECT_NE(FicSDSGetNameId(root, "gain", &id), 0);
    EXPECT_EQ(id, 0u);
    FicSDSFreeName(other, nullptr);
    FicSDSFreeName(root, nullptr);
}

TEST(SharedDataNamespace, EmptyNameIsTheRootWithAnIdOfItsOwn)
{
    const FicSDSNameId root = Look(0, "");
    EXPECT_NE(root, 0u);
    EXPECT_EQ(Look(0, ""), root);
    EXPECT_EQ(Look(root, ""), root);
    EXPECT_NE(FicSDSFreeName(root, nullptr), 0);
    EXPECT_EQ(Look(0, ""), root);
}

TEST(SharedDataNamespace, FreedNameIsGoneAndItsIdIsNotGivenAgain)
{
    const FicSDSNameId first = Reserve(0, "Plug-Ins/Test/Freed");
    const FicSDSNameId child = Reserve(first, "Control");
    EXPECT_EQ(FicSDSFreeName(0, "Plug-Ins/Test/Freed"), 0);

    EXPECT_EQ(Look(0, "Plug-Ins/Test/Freed"), 0u);
    EXPECT_EQ(Look(first, "Control"), 0u);  // gone with its parent
    const FicSDSNameId again = Reserve(0, "Plug-Ins/Test/Freed");
    EXPECT_NE(again, first);
    EXPECT_NE(again, child);
    FicSDSFreeName(again, nullptr);
}

TEST(SharedDataNamespace, NameReservedTwiceNeedsTwoFrees)
{
    const FicSDSNameId id = Reserve(0, "Plug-Ins/Test/Twice");
    EXPECT_EQ(Reserve(0, "Plug-Ins/Test/Twice"), id);

    FicSDSFreeName(id, nullptr);
    EXPECT_EQ(Look(0, "Plug-Ins/Test/Twice"), id);
    FicSDSFreeName(id, nullptr);
    EXPECT_EQ(Look(0, "Plug-Ins/Test/Twice"), 0u);
    EXPECT_NE(FicSDSFreeName(id, nullptr), 0);
}

TEST(SharedDataNamespace, BadArgumentsAreRefused)
{
    FicSDSNameId id = 0;
    EXPECT_NE(FicSDSReserveName(0, nullptr, &id), 0);
    EXPECT_NE(FicSDSReserveName(0, "x", nullptr), 0);
    EXPECT_NE(FicSDSReserveName(987654, "x", &id), 0);  // no such parent
    EXPECT_NE(FicSDSGetNameId(0, nullptr, &id), 0);
}
