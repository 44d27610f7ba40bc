#include "QVEndian.h"

#include <algorithm>
#include <cstring>

bool qv_isLittleEndian()
{
    const int32_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    return first == 1;
}

void qv_endian(void* data, int32_t count, int32_t size)
{
    if (data == nullptr || count <= 0 || size <= 1 || !qv_isLittleEndian())
        return;
    auto* element = static_cast<unsigned char*>(data);
    for (int32_t e = 0; e < count; ++e, element += size)
        std::reverse(element, element + size);
}
