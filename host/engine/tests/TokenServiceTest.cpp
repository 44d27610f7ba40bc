#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "FicExports.h"
#include "SFicSDSToken.h"

namespace
{
// A server with one task; listeners made on demand and deleted with the fixture.
class TokenServiceTest : public ::testing::Test
{
protected:
    TokenServiceTest()
        : fServer(FicNewServer()),
          fTask(FicNewObject(fServer, FicFindStandardType(fServer, kFicTokenTaskObjectType)))
    {
    }

    ~TokenServiceTest() override
    {
        for (FicObjectRef listener : fListeners)
            FicDelete(listener);
        FicDelete(fTask);
        FicDelete(fServer);
    }

    FicObjectRef Listener(FicSDSNameId name, OSType type, OSType subType, bool latestOnly, void* taskValue)
    {
        FicObjectRef listener = FicNewObject(fServer, FicFindStandardType(fServer, kFicListenerObjectType));
        FicSDSSetListenerName(listener, name);
        FicSDSSetListenerType(listener, type);
        FicSDSSetListenerSubType(listener, subType);
        FicSDSSetListenerLatestFlag(listener, latestOnly);
        FicSDSSetListenerTaskVal(listener, taskValue);
        FicSDSSetListenerProtocol(listener, kTokenProtocol);
        FicSDSSetListenerManufacturer(listener, kTokenManufacturer);
        FicSDSSetListenerTask(listener, fTask);
        fListeners.push_back(listener);
        return listener;
    }

    struct SFetched
    {
        SInt32 size = 0;
        void* taskValue = nullptr;
        SInt32 value = 0;
        OSType subType = 0;
    };

    // Fetches every queued token, releasing each.
    std::vector<SFetched> Drain()
    {
        std::vector<SFetched> fetched;
        for (;;)
        {
            SFetched next;
            SFicSDSToken* token = nullptr;
            FicSDSGetTokenAndTaskVal(fTask, &next.size, &next.taskValue, &token);
            if (token == nullptr)
                return fetched;
            SFicSDSValueToken record{};
            if (ReadTokenAs(*token, record))
                next.value = record.fValue;
            next.subType = token->fSubType;
            FicSDSDoneWithToken(token);
            fetched.push_back(next);
        }
    }

    FicObjectRef fServer;
    FicObjectRef fTask;
    std::vector<FicObjectRef> fListeners;
};

int gContext;
} // namespace

TEST_F(TokenServiceTest, TokenReachesOnlyListenersWhoseFieldsAllMatch)
{
    Listener(7, kTokenCurrentValue, kTokenControlValue, false, &gContext);
    struct Case
    {
        SFicSDSValueToken token;
        bool delivered;
    };
    SFicSDSValueToken otherMaker = MakeValueToken(7, kTokenCurrentValue, 5);
    otherMaker.fHead.fManufacturer = FourCC("abcd");
    SFicSDSValueToken otherProtocol = MakeValueToken(7, kTokenCurrentValue, 6);
    otherProtocol.fHead.fProtocol = FourCC("abcd");
    SFicSDSValueToken otherSubType = MakeValueToken(7, kTokenCurrentValue, 4);
    otherSubType.fHead.fSubType = kTokenHighlight;
    const Case cases[] = {
        {MakeValueToken(7, kTokenCurrentValue, 1), true},
        {MakeValueToken(8, kTokenCurrentValue, 2), false},
        {MakeValueToken(7, kTokenGetValue, 3), false},
        {otherSubType, false},
        {otherMaker, false},
        {otherProtocol, false},
    };
    for (const Case& c : cases)
    {
        ASSERT_EQ(FicSDSDispatchToken(&c.token.fHead), 0);
        const std::vector<SFetched> fetched = Drain();
        ASSERT_EQ(fetched.size(), c.delivered ? 1u : 0u) << SInt32(c.token.fValue);
        if (c.delivered)
        {
            EXPECT_EQ(fetched[0].taskValue, &gContext);
            EXPECT_EQ(fetched[0].size, 42);
            EXPECT_EQ(fetched[0].value, SInt32(c.token.fValue));
        }
    }
}

TEST_F(TokenServiceTest, ZeroFieldsOfAListenerMatchEveryToken)
{
    Listener(0, kTokenSetValue, 0, false, nullptr);

    const SFicSDSValueToken value = MakeValueToken(3, kTokenSetValue, 1);
    const SFicSDSTouchToken touch = MakeTouchToken(9, true);
    FicSDSDispatchToken(&value.fHead);
    FicSDSDispatchToken(&touch.fHead);

    const std::vector<SFetched> fetched = Drain();
    ASSERT_EQ(fetched.size(), 2u);
    EXPECT_EQ(fetched[0].subType, kTokenControlValue);
    EXPECT_EQ(fetched[1].subType, kTokenTouch);
    EXPECT_EQ(fetched[1].size, 44);
}

TEST_F(TokenServiceTest, LatestOnlyListenerKeepsOnlyItsNewestToken)
{
    int latestContext = 0;
    int everyContext = 0;
    Listener(1, kTokenCurrentValue, kTokenControlValue, true, &latestContext);
    Listener(2, kTokenCurrentValue, kTokenControlValue, false, &everyContext);

    for (SInt32 value : {10, 11, 12})
    {
        const SFicSDSValueToken latest = MakeValueToken(1, kTokenCurrentValue, value);
        const SFicSDSValueToken every = MakeValueToken(2, kTokenCurrentValue, value + 10);
        FicSDSDispatchToken(&latest.fHead);
        FicSDSDispatchToken(&every.fHead);
    }

    std::vector<SInt32> latestValues;
    std::vector<SInt32> everyValues;
    for (const SFetched& f : Drain())
        (f.taskValue == &latestContext ? latestValues : everyValues).push_back(f.value);
    EXPECT_EQ(latestValues, std::vector<SInt32>({12}));
    EXPECT_EQ(everyValues, std::vector<SInt32>({20, 21, 22}));
}

TEST_F(TokenServiceTest, DispatchedRecordMayBeReusedAndFetchedTokenLivesUntilReleased)
{
    FicObjectRef listener = Listener(1, kTokenCurrentValue, kTokenControlValue, false, nullptr);
    SFicSDSValueToken token = MakeValueToken(1, kTokenCurrentValue, 5);
    FicSDSDispatchToken(&token.fHead);
    token.fValue = 99;

    SFicSDSToken* fetched = nullptr;
    FicSDSGetTokenAndTaskVal(fTask, nullptr, nullptr, &fetched);
    ASSERT_NE(fetched, nullptr);
    FicDelete(listener);
    fListeners.clear();
    SFicSDSValueToken record{};
    ASSERT_TRUE(ReadTokenAs(*fetched, record));
    EXPECT_EQ(SInt32(record.fValue), 5);
    FicSDSDoneWithToken(fetched);
}

TEST_F(TokenServiceTest, DeletedListenerTakesItsQueuedTokensAlong)
{
    FicObjectRef listener = Listener(1, kTokenCurrentValue, kTokenControlValue, false, nullptr);
    const SFicSDSValueToken token = MakeValueToken(1, kTokenCurrentValue, 5);
    FicSDSDispatchToken(&token.fHead);

    FicDelete(listener);
    fListeners.clear();

    EXPECT_TRUE(Drain().empty());
}

TEST_F(TokenServiceTest, TokenShorterThanItsHeadIsRefused)
{
    Listener(0, 0, 0, false, nullptr);
    SFicSDSValueToken token = MakeValueToken(1, kTokenCurrentValue, 5);
    token.fHead.fSize = 37;

    EXPECT_NE(FicSDSDispatchToken(&token.fHead), 0);
    EXPECT_NE(FicSDSDispatchToken(nullptr), 0);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(TokenServiceTest, OnlyTheTwoStandardTypesAreKnown)
{
    EXPECT_NE(FicFindStandardType(fServer, kFicListenerObjectType), nullptr);
    EXPECT_NE(FicFindStandardType(fServer, kFicTokenTaskObjectType), nullptr);
    EXPECT_EQ(FicFindStandardType(fServer, 58), nullptr);
    EXPECT_EQ(FicFindStandardType(nullptr, kFicListenerObjectType), nullptr);
    EXPECT_EQ(FicNewObject(fServer, nullptr), nullptr);
}

TEST_F(TokenServiceTest, TwoThreadsDispatchingAtOnceLoseNoTokenAndKeepEachOrder)
{
    int first = 0;
    int second = 0;
    Listener(1, kTokenCurrentValue, kTokenControlValue, false, &first);
    Listener(2, kTokenCurrentValue, kTokenControlValue, false, &second);
    constexpr SInt32 kTokens = 2000;
    auto send = [](FicSDSNameId name) {
        for (SInt32 i = 0; i < kTokens; ++i)
        {
            const SFicSDSValueToken token = MakeValueToken(name, kTokenCurrentValue, i);
            FicSDSDispatchToken(&token.fHead);
        }
    };

    std::vector<SFetched> fetched;
    std::thread a(send, 1);
    std::thread b(send, 2);
    while (fetched.size() < 2 * kTokens)
        for (const SFetched& f : Drain())
            fetched.push_back(f);
    a.join();
    b.join();

    SInt32 next[2] = {0, 0};
    for (const SFetched& f : fetched)
    {
        SInt32& expected = next[f.taskValue == &first ? 0 : 1];
        EXPECT_EQ(f.value, expected);
        expected = f.value + 1;
    }
    EXPECT_EQ(next[0], kTokens);
    EXPECT_EQ(next[1], kTokens);
}
