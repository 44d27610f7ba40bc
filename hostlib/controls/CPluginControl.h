#pragma once
// A control object of a process as the library's control list holds it.

#include "ControlValues.h"

constexpr SInt32 kContinuousControl = 1;
constexpr SInt32 kDiscreteControl = 0;

class CPluginControl
{
public:
    virtual ~CPluginControl() = default;

    virtual OSType GetID() const = 0;
    virtual SInt32 GetDefaultValue() const = 0;
    virtual void SetDefaultValue(SInt32 value) = 0;
    virtual SInt32 GetNumSteps() const = 0;
    // May throw CDAEError for a text it cannot read.
    virtual SInt32 ConvertStringToValue(const char* text) const = 0;
    virtual bool IsKeyValid(SInt16 key) const = 0;
    // out holds maxLen + 1 bytes.
    virtual void GetNameOfLength(char* out, SInt32 maxLen, OSType controllerType) const = 0;
    virtual SInt32 GetPriority() const = 0;
    virtual SInt32 GetOrientation() const = 0;
    virtual SInt32 GetControlType() const = 0;  // kContinuousControl or kDiscreteControl
    virtual void GetValueString(char* out, SInt32 maxLen, SInt32 value) const = 0;
    virtual bool IsAutomatable() const = 0;

    // The value as the controls chunk keeps it: a continuous control as a fraction of its
    // range, a discrete control as its step.
    virtual double GetContinuous() const;
    virtual SInt32 ConvertContinuousToControl(double continuous) const;
    virtual SInt32 GetDiscrete() const;
    virtual SInt32 ConvertDiscreteToControl(SInt32 step) const;

    SInt32 GetValue() const { return fValue; }
    void SetValue(SInt32 value) { fValue = value; }

private:
    SInt32 fValue = kControlValueLowest;
};
