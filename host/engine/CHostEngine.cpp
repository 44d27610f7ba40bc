#include "CHostEngine.h"

CHostEngine& CHostEngine::Instance()
{
    static CHostEngine engine;
    return engine;
}
