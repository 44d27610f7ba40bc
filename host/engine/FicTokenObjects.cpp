#include "FicTokenObjects.h"

#include <algorithm>
#include <cstring>

namespace
{
bool FieldMatches(UInt32 wanted, UInt32 actual)
{
    return wanted == 0 || wanted == actual;
}
} // namespace

bool SListenerSettings::Matches(const SFicSDSToken& token) const
{
    return task != nullptr && FieldMatches(name, token.fTarget) && FieldMatches(type, token.fType) &&
           FieldMatches(subType, token.fSubType) && FieldMatches(protocol, token.fProtocol) &&
           FieldMatches(manufacturer, token.fManufacturer);
}

void CTokenTask::Deliver(const CTokenListener& listener, const SFicSDSToken& token)
{
    if (listener.fSettings.latestOnly)
        ForgetListener(listener);
    std::unique_ptr<Byte[]> bytes(new Byte[token.fSize]);
    std::memcpy(bytes.get(), &token, token.fSize);
    fQueue.push_back(SQueuedToken{&listener, listener.fSettings.taskValue, std::move(bytes)});
}

SQueuedToken CTokenTask::TakeNext()
{
    SQueuedToken next = std::move(fQueue.front());
    fQueue.pop_front();
    return next;
}

void CTokenTask::ForgetListener(const CTokenListener& listener)
{
    std::erase_if(fQueue, [&](const SQueuedToken& queued) { return queued.listener == &listener; });
}
