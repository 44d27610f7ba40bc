#include "PascalText.h"

#include <string>

void AppendDecimal(SInt32 number, unsigned char* text)
{
    const std::string digits = std::to_string(number);
    for (char digit : digits)
    {
        if (text[0] == 255)
            return;
        text[++text[0]] = static_cast<unsigned char>(digit);
    }
}
