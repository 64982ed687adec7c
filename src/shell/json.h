// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <concepts>
#include <string>
#include <string_view>

// A JSON object written field by field: the web page takes a window's whole design
// in one string, which costs far less than one call into the page per field.
class JsonObject
{
public:
    JsonObject &add(std::string_view key, std::string_view value);
    JsonObject &add(std::string_view key, const char *value) { return add(key, std::string_view(value)); }
    template <std::integral Number>
    JsonObject &add(std::string_view key, Number value) { return addRaw(key, std::to_string(value)); }
    JsonObject &add(std::string_view key, double value);
    JsonObject &add(std::string_view key, bool value);
    // A value already written as JSON: a number, an object, an array.
    JsonObject &addRaw(std::string_view key, std::string_view json);
    std::string text() const { return json_ + '}'; }

private:
    void key(std::string_view name);
    std::string json_ = "{";
};

// A string as a JSON literal, quotes included.
std::string jsonString(std::string_view text);
