#pragma once
// The objects of the token service: servers, token tasks with their queues, and listeners.

#include <deque>
#include <memory>

#include "SFicSDSToken.h"

class CTokenTask;

class CFicObject
{
public:
    virtual ~CFicObject() = default;
};

class CFicServer : public CFicObject
{
};

// What a listener listens for and where its tokens go. A name, type, subtype, protocol or
// manufacturer of 0 matches every token.
struct SListenerSettings
{
    FicSDSNameId name = 0;
    OSType type = 0;
    OSType subType = 0;
    SInt32 goal = 0;
    bool critical = false;
    bool latestOnly = false;
    FicTaskValue taskValue = nullptr;
    CTokenTask* task = nullptr;
    OSType protocol = 0;
    OSType manufacturer = 0;

    bool Matches(const SFicSDSToken& token) const;
};

class CTokenListener : public CFicObject
{
public:
    SListenerSettings fSettings;
};

// A delivered token: a copy of its bytes, owned by the queue until it is fetched.
struct SQueuedToken
{
    const CTokenListener* listener;
    FicTaskValue taskValue;
    std::unique_ptr<Byte[]> bytes;
};

class CTokenTask : public CFicObject
{
public:
    // A latest-only listener keeps one token in the queue: the newest.
    void Deliver(const CTokenListener& listener, const SFicSDSToken& token);
    bool IsEmpty() const { return fQueue.empty(); }
    SQueuedToken TakeNext();
    void ForgetListener(const CTokenListener& listener);

private:
    std::deque<SQueuedToken> fQueue;
};
