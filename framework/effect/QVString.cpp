#include "QVString.h"

#include <cstring>

char* qv_strncpy(char* dest, const char* src, int32_t maxLen, int32_t offset)
{
    if (dest == nullptr || maxLen < 0)
        return dest;
    if (offset < 0 || offset >= maxLen) {
        dest[maxLen] = 0;
        return dest;
    }
    if (src == nullptr)
        src = "";

    const int32_t room = maxLen - offset;
    int32_t start = 0;
    int32_t end = 0;
    for (;; ++end) {
        const char c = src[end];
        if (c == 0)
            break;
        if (c == '\n') {
            if (end - start <= room)
                break;
            start = end + 1;
        }
    }
    int32_t length = end - start;
    if (length > room)
        length = room;

    std::memcpy(dest + offset, src + start, static_cast<size_t>(length));
    std::memset(dest + offset + length, 0, static_cast<size_t>(room - length + 1));
    return dest;
}

int32_t my_c2pstr(char* text)
{
    if (text == nullptr)
        return 0;
    const size_t n = std::strlen(text);
    std::memmove(text + 1, text, n);
    const int32_t lengthByte = n > 255 ? 255 : static_cast<int32_t>(n);
    text[0] = static_cast<char>(static_cast<unsigned char>(lengthByte));
    return lengthByte;
}
