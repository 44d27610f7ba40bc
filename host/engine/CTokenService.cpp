#include "CTokenService.h"

#include "FicErrors.h"

namespace
{
// Standard object types; a type handle is the address of one of these.
struct SStandardType
{
    SInt32 kind;
};
const SStandardType kListenerType{kFicListenerObjectType};
const SStandardType kTokenTaskType{kFicTokenTaskObjectType};

FicTypeRef RefOf(const SStandardType& type)
{
    return reinterpret_cast<FicTypeRef>(const_cast<SStandardType*>(&type));
}

CFicObject* ObjectOf(FicObjectRef object)
{
    return reinterpret_cast<CFicObject*>(object);
}
} // namespace

template <typename Object>
Object* CTokenService::Find(FicObjectRef object)
{
    const auto found = fObjects.find(ObjectOf(object));
    return found == fObjects.end() ? nullptr : dynamic_cast<Object*>(found->second.get());
}

FicObjectRef CTokenService::Add(std::unique_ptr<CFicObject> object)
{
    CFicObject* raw = object.get();
    fObjects[raw] = std::move(object);
    return reinterpret_cast<FicObjectRef>(raw);
}

FicObjectRef CTokenService::NewServer()
{
    std::lock_guard lock(fMutex);
    return Add(std::make_unique<CFicServer>());
}

FicTypeRef CTokenService::FindStandardType(FicObjectRef server, SInt32 kind)
{
    std::lock_guard lock(fMutex);
    if (Find<CFicServer>(server) == nullptr)
        return nullptr;
    if (kind == kFicListenerObjectType)
        return RefOf(kListenerType);
    if (kind == kFicTokenTaskObjectType)
        return RefOf(kTokenTaskType);
    return nullptr;
}

FicObjectRef CTokenService::NewObject(FicObjectRef server, FicTypeRef type)
{
    std::lock_guard lock(fMutex);
    if (Find<CFicServer>(server) == nullptr)
        return nullptr;
    if (type == RefOf(kListenerType))
        return Add(std::make_unique<CTokenListener>());
    if (type == RefOf(kTokenTaskType))
        return Add(std::make_unique<CTokenTask>());
    return nullptr;
}

void CTokenService::Delete(FicObjectRef object)
{
    std::lock_guard lock(fMutex);
    if (auto* listener = Find<CTokenListener>(object); listener && listener->fSettings.task)
        listener->fSettings.task->ForgetListener(*listener);
    if (auto* task = Find<CTokenTask>(object))
        for (auto& [raw, other] : fObjects)
            if (auto* user = dynamic_cast<CTokenListener*>(other.get()); user && user->fSettings.task == task)
                user->fSettings.task = nullptr;
    fObjects.erase(ObjectOf(object));
}

void CTokenService::ConfigureListener(FicObjectRef listener,
                                      const std::function<void(SListenerSettings&)>& change)
{
    std::lock_guard lock(fMutex);
    if (auto* found = Find<CTokenListener>(listener))
        change(found->fSettings);
}

void CTokenService::SetListenerTask(FicObjectRef listener, FicObjectRef task)
{
    std::lock_guard lock(fMutex);
    auto* found = Find<CTokenListener>(listener);
    if (found == nullptr)
        return;
    if (found->fSettings.task != nullptr)
        found->fSettings.task->ForgetListener(*found);
    found->fSettings.task = Find<CTokenTask>(task);
}

SInt16 CTokenService::Dispatch(const SFicSDSToken* token)
{
    if (token == nullptr || token->fSize < sizeof(SFicSDSToken))
        return kFicBadArgument;
    std::lock_guard lock(fMutex);
    for (const auto& [raw, object] : fObjects)
        if (auto* listener = dynamic_cast<const CTokenListener*>(object.get());
            listener && listener->fSettings.Matches(*token))
            listener->fSettings.task->Deliver(*listener, *token);
    return kFicNoError;
}

void CTokenService::GetTokenAndTaskValue(FicObjectRef task, SInt32* tokenSize,
                                         FicTaskValue* taskValue, SFicSDSToken** token)
{
    std::lock_guard lock(fMutex);
    if (token != nullptr)
        *token = nullptr;
    auto* found = Find<CTokenTask>(task);
    if (found == nullptr || found->IsEmpty() || token == nullptr)
        return;
    SQueuedToken next = found->TakeNext();
    *token = reinterpret_cast<SFicSDSToken*>(next.bytes.get());
    if (tokenSize != nullptr)
        *tokenSize = (*token)->fSize;
    if (taskValue != nullptr)
        *taskValue = next.taskValue;
    fLentTokens[next.bytes.get()] = std::move(next.bytes);
}

void CTokenService::DoneWithToken(SFicSDSToken* token)
{
    std::lock_guard lock(fMutex);
    fLentTokens.erase(token);
}
