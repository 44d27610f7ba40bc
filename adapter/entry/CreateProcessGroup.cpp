// The library asks the plug-in for its group here.
#include "CPTAdapterGroup.h"

CProcessGroup* CProcessGroup::CreateProcessGroup()
{
    return new CPTAdapterGroup;
}
