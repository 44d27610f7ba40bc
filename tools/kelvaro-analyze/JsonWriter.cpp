#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace
{
// Length of the valid UTF-8 sequence at text[i], or 0 when the bytes there are not one.
size_t utf8SequenceLength(std::string_view text, size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}
} // namespace

std::string JsonWriter::quoted(std::string_view text)
{
    std::string result = "\"";
    for (size_t i = 0; i < text.size();)
    {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = utf8SequenceLength(text, i);
        if (length == 0)
        {
            result += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\')
            result += {'\\', char(c)};
        else if (c < 0x20)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            result += escaped;
        }
        else
            result.append(text.substr(i, length));
        i += length;
    }
    return result + "\"";
}

std::string JsonWriter::number(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

void JsonWriter::separate()
{
    if (!first)
        out += ',';
    first = false;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    out += quoted(name);
    out += ':';
}

JsonWriter& JsonWriter::open(char bracket)
{
    out += bracket;
    first = true;
    return *this;
}

JsonWriter& JsonWriter::close(char bracket)
{
    out += bracket;
    first = false;
    return *this;
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    return open('{');
}

JsonWriter& JsonWriter::beginObject(std::string_view name)
{
    key(name);
    return open('{');
}

JsonWriter& JsonWriter::endObject()
{
    return close('}');
}

JsonWriter& JsonWriter::beginArray(std::string_view name)
{
    key(name);
    return open('[');
}

JsonWriter& JsonWriter::endArray()
{
    return close(']');
}

JsonWriter& JsonWriter::field(std::string_view name, std::string_view value)
{
    key(name);
    out += quoted(value);
    return *this;
}

JsonWriter& JsonWriter::field(std::string_view name, double value)
{
    key(name);
    out += number(value);
    return *this;
}

JsonWriter& JsonWriter::field(std::string_view name, int64_t value)
{
    key(name);
    out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::field(std::string_view name, bool value)
{
    key(name);
    out += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::element(double value)
{
    separate();
    out += number(value);
    return *this;
}

JsonWriter& JsonWriter::element(std::string_view value)
{
    separate();
    out += quoted(value);
    return *this;
}
