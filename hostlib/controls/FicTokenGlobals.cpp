#include "FicTokenGlobals.h"

#include "DAECalls.h"

FicObjectRef gOurFicServer = nullptr;
FicObjectRef gOurTokenTask = nullptr;

void CreateFicObjects()
{
    SInt32 answer = 0;
    if (gDAE.FicGestalt(kFicGestaltSharedDataTokens, &answer) != 0 || !gDAE.FicIsAlive())
        return;
    gOurFicServer = gDAE.FicNewServer();
    if (gOurFicServer == nullptr)
        return;
    gOurTokenTask =
        gDAE.FicNewObject(gOurFicServer, gDAE.FicFindStandardType(gOurFicServer, kFicTokenTaskObjectType));
    if (gOurTokenTask == nullptr)
        FreeFicObjects();
}

void FreeFicObjects()
{
    if (gOurTokenTask != nullptr)
        gDAE.FicDelete(gOurTokenTask);
    if (gOurFicServer != nullptr)
        gDAE.FicDelete(gOurFicServer);
    gOurTokenTask = nullptr;
    gOurFicServer = nullptr;
}
