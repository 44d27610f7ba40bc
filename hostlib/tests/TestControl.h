#pragma once
// A control whose answers the test sets, recording what it was asked.

#include <cstdio>
#include <cstring>
#include <string>

#include "CDAEError.h"
#include "CPluginControl.h"
#include "HostStrings.h"

class CTestControl : public CPluginControl
{
public:
    explicit CTestControl(std::string names, bool* deleted = nullptr) : fNames(std::move(names)), fDeleted(deleted) {}
    ~CTestControl() override
    {
        if (fDeleted != nullptr)
            *fDeleted = true;
    }

    OSType GetID() const override { return FourCC("test"); }
    SInt32 GetDefaultValue() const override { return fDefault; }
    void SetDefaultValue(SInt32 value) override { fDefault = value; }
    SInt32 GetNumSteps() const override { return 11; }
    SInt32 ConvertStringToValue(const char* text) const override
    {
        if (std::strcmp(text, "bad") == 0)
            throw CDAEError(-7777);
        return std::atoi(text);
    }
    bool IsKeyValid(SInt16 key) const override { return key == 'k'; }
    void GetNameOfLength(char* out, SInt32 maxLen, OSType controllerType) const override
    {
        GetStringOfLength(out, fNames.c_str(), maxLen);
        fLastMaxLen = maxLen;
        fLastControllerType = controllerType;
    }
    SInt32 GetPriority() const override { return 4; }
    SInt32 GetOrientation() const override { return 2; }
    SInt32 GetControlType() const override { return 0; }
    void GetValueString(char* out, SInt32 maxLen, SInt32 value) const override
    {
        const std::string text = "value " + std::to_string(value);
        std::snprintf(out, size_t(maxLen) + 1, "%s", text.c_str());
    }
    bool IsAutomatable() const override { return true; }

    mutable SInt32 fLastMaxLen = -1;
    mutable OSType fLastControllerType = 0;

private:
    std::string fNames;
    bool* fDeleted;
    SInt32 fDefault = 17;
};
