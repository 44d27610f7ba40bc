#pragma once
// A plain text item of a view tree.

#include <string>

#include "CPlugInView.h"

class CStaticTextView : public CPlugInView
{
public:
    explicit CStaticTextView(std::string text) : fText(std::move(text)) {}
    const std::string& GetText() const { return fText; }

private:
    std::string fText;
};
