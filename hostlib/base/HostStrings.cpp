#include "HostStrings.h"

#include <algorithm>
#include <cstring>
#include <string_view>

void GetStringOfLength(char* out, const char* names, SInt32 maxLen)
{
    const size_t limit = size_t(std::max<SInt32>(maxLen, 0));
    std::string_view chosen;
    if (names != nullptr)
    {
        std::string_view rest(names);
        for (;;)
        {
            const size_t end = rest.find('\n');
            chosen = rest.substr(0, end);
            if (chosen.size() <= limit || end == std::string_view::npos)
                break;
            rest.remove_prefix(end + 1);
        }
    }
    const size_t length = std::min(chosen.size(), limit);
    std::copy_n(chosen.data(), length, out);
    out[length] = '\0';
}

void CToPascalInPlace(unsigned char* text)
{
    const size_t length = std::min<size_t>(std::strlen(reinterpret_cast<char*>(text)), 255);
    std::memmove(text + 1, text, length);
    text[0] = static_cast<unsigned char>(length);
}
