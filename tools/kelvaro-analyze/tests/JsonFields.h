// Reads single fields out of the analyzer's one-line JSON objects.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

// The string value of "key":"...", or "<missing>".
inline std::string jsonString(const std::string& json, const std::string& key)
{
    const std::string opening = "\"" + key + "\":\"";
    const size_t start = json.find(opening);
    if (start == std::string::npos)
        return "<missing>";
    const size_t from = start + opening.size();
    return json.substr(from, json.find('"', from) - from);
}

// The numbers of "key":[...].
inline std::vector<float> jsonFloats(const std::string& json, const std::string& key)
{
    std::vector<float> values;
    size_t at = json.find("\"" + key + "\":[");
    if (at == std::string::npos)
        return values;
    const char* p = json.c_str() + json.find('[', at) + 1;
    while (*p != ']')
    {
        char* end = nullptr;
        values.push_back(std::strtof(p, &end));
        p = *end == ',' ? end + 1 : end;
    }
    return values;
}

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    for (size_t start = 0, end; start < text.size(); start = end + 1)
    {
        end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        result.push_back(text.substr(start, end - start));
    }
    return result;
}
