// A minimal JSON text builder: strings escaped (invalid UTF-8 replaced), floats with nine
// significant digits so they read back bit-exact, non-finite numbers as null.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class JsonWriter
{
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray(std::string_view key);
    JsonWriter& endArray();
    JsonWriter& beginObject(std::string_view key);

    JsonWriter& field(std::string_view key, std::string_view value);
    JsonWriter& field(std::string_view key, const char* value) { return field(key, std::string_view(value)); }
    JsonWriter& field(std::string_view key, double value);
    JsonWriter& field(std::string_view key, int64_t value);
    JsonWriter& field(std::string_view key, bool value);
    JsonWriter& element(double value);
    JsonWriter& element(std::string_view value);

    const std::string& text() const { return out; }

    static std::string quoted(std::string_view text);
    static std::string number(double value);

private:
    void separate();
    void key(std::string_view name);
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);

    std::string out;
    bool first = true;
};
