#pragma once
// The engine's token service, safe to call from any thread: its objects, the delivery of a
// dispatched token to every matching listener's task, and the tokens lent to their readers.

#include <functional>
#include <mutex>
#include <unordered_map>

#include "FicTokenObjects.h"

class CTokenService
{
public:
    FicObjectRef NewServer();
    FicTypeRef FindStandardType(FicObjectRef server, SInt32 kind);
    FicObjectRef NewObject(FicObjectRef server, FicTypeRef type);
    // Unknown objects are ignored; a listener's queued tokens go with it.
    void Delete(FicObjectRef object);

    void ConfigureListener(FicObjectRef listener, const std::function<void(SListenerSettings&)>& change);
    void SetListenerTask(FicObjectRef listener, FicObjectRef task);

    SInt16 Dispatch(const SFicSDSToken* token);
    // A null token when the task's queue is empty. A fetched token stays valid until
    // DoneWithToken.
    void GetTokenAndTaskValue(FicObjectRef task, SInt32* tokenSize, FicTaskValue* taskValue,
                              SFicSDSToken** token);
    void DoneWithToken(SFicSDSToken* token);

private:
    template <typename Object>
    Object* Find(FicObjectRef object);
    FicObjectRef Add(std::unique_ptr<CFicObject> object);

    std::mutex fMutex;
    std::unordered_map<const CFicObject*, std::unique_ptr<CFicObject>> fObjects;
    std::unordered_map<const void*, std::unique_ptr<Byte[]>> fLentTokens;
};
