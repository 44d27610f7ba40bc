#include "CNoResourceView.h"

#include <string_view>

#include "CCustomView.h"
#include "CStaticTextView.h"

namespace
{
constexpr std::string_view kKindMark = "!";
constexpr std::string_view kNoIdSuffix = "[('NoID')]";

// The kind a description names, or empty when it is not a view description.
std::string_view KindOf(std::string_view description)
{
    if (!description.starts_with(kKindMark) || !description.ends_with(kNoIdSuffix))
        return {};
    return description.substr(kKindMark.size(), description.size() - kKindMark.size() - kNoIdSuffix.size());
}
} // namespace

void CNoResourceView::SetSize(SInt16 width, SInt16 height)
{
    Rect rect = GetRect();
    rect.right = SInt16(rect.left + width);
    rect.bottom = SInt16(rect.top + height);
    SetRect(rect);
}

CPlugInView* CNoResourceView::AddView(const char* description, const Rect& rect, bool enabled)
{
    const std::string_view kind = KindOf(description);
    CPlugInView* view = kind.empty() ? static_cast<CPlugInView*>(new CStaticTextView(description))
                                      : CCustomView::NewView(std::string(kind));
    if (view == nullptr)
        return nullptr;
    view->SetRect(rect);
    view->SetEnable(enabled);
    AddSubview(view);
    return view;
}
