#pragma once
// The ordered list of control objects a process owns; control index i (from 1) is entry i - 1.

#include <memory>
#include <vector>

#include "CPluginControl.h"

class CPluginControlManager
{
public:
    // Takes ownership; a null control throws CDAEError -7053.
    void AddControl(CPluginControl* control);
    // Throws CDAEError -7300 for an index outside 1..count.
    CPluginControl* GetControl(int index) const;
    bool IsValidControlIndex(SInt32 index) const;
    int GetNumControls() const;
    void FailInvalidControlIndex(SInt32 index) const;

private:
    std::vector<std::unique_ptr<CPluginControl>> fControls;
};
