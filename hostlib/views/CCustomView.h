#pragma once
// A view of a kind the plug-in registers by name; view descriptions name the kind to make.

#include <string>

#include "CPlugInView.h"

class CCustomView : public CPlugInView
{
public:
    using Creator = CCustomView* (*)();

    // A later registration of the same kind replaces the earlier one.
    static void AddNewViewProc(const char* kind, Creator creator);
    // A new view of the kind, or null when no kind of that name is registered.
    static CCustomView* NewView(const std::string& kind);
};
