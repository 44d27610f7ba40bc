#pragma once
// The process base with the two operations every process must give: no audio ports.

#include "CProcess.h"

class CTestProcess : public CProcess
{
public:
    ComponentResult GetNumAudioInputs(SInt16* count) override
    {
        *count = 0;
        return 0;
    }
    ComponentResult GetNumAudioOutputs(SInt16* count) override
    {
        *count = 0;
        return 0;
    }
};
