#include "CCustomView.h"

#include <map>

namespace
{
std::map<std::string, CCustomView::Creator>& Kinds()
{
    static std::map<std::string, CCustomView::Creator> kinds;
    return kinds;
}
} // namespace

void CCustomView::AddNewViewProc(const char* kind, Creator creator)
{
    Kinds()[kind] = creator;
}

CCustomView* CCustomView::NewView(const std::string& kind)
{
    const auto found = Kinds().find(kind);
    return found != Kinds().end() ? found->second() : nullptr;
}
