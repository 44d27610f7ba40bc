// The library's error type and its throwing functions.

#include <gtest/gtest.h>

#include <functional>

#include "CDAEError.h"

namespace
{
ComponentResult CodeThrownBy(const std::function<void()>& call)
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

TEST(DAEError, EachThrowingFunctionThrowsItsCodeOnlyOnFailure)
{
    int object = 0;
    const std::pair<std::function<void()>, ComponentResult> cases[] = {
        {[] { ThrowOnErr(0); }, 0},
        {[] { ThrowOnErr(-7126); }, -7126},
        {[] { FailOSErr(-43); }, -43},
        {[] { FailNIL(nullptr); }, -7053},
        {[] { FailNILLowMem(nullptr); }, -7053},
        {[] { FailNILResource(nullptr); }, -7053},
        {[&] { EXPECT_EQ(FailNIL(&object), &object); }, 0},
        {[&] { EXPECT_EQ(FailNILResource(&object), &object); }, 0},
    };
    for (const auto& [call, code] : cases)
        EXPECT_EQ(CodeThrownBy(call), code);
}
} // namespace
