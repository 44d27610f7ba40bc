#include <gtest/gtest.h>

#include <dlfcn.h>

#include "CDAEError.h"
#include "DAECalls.h"

TEST(DAECalls, EntryPointsResolveByNameFromALibraryLoadedPrivately)
{
    void* engine = dlopen(KELVARO_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(engine, nullptr) << dlerror();

    LoadDAEFrom(engine);
    InitializeDSICallsFrom(engine);

    EXPECT_EQ(reinterpret_cast<void*>(gDAE.FicSDSDispatchToken), dlsym(engine, "FicSDSDispatchToken"));
    SInt32 answer = 0;
    EXPECT_EQ(gDAE.FicGestalt(kFicGestaltSharedDataTokens, &answer), 0);
    ASSERT_NE(gDSI.GetPlugInServices, nullptr);
    EXPECT_GT(gDSI.GetPlugInServices()->GetVersion(), 0);
}

TEST(DAECalls, MissingEntryPointThrowsAndLeavesTheTableAsItWas)
{
    LoadDAE();
    const auto before = gDAE.FicNewServer;
    void* other = dlopen("libm.so.6", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(other, nullptr);

    ComponentResult code = 0;
    try
    {
        LoadDAEFrom(other);
    }
    catch (const CDAEError& error)
    {
        code = error.Code();
    }

    EXPECT_EQ(code, -7053);
    EXPECT_EQ(gDAE.FicNewServer, before);
}
