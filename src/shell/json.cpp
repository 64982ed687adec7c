// SPDX-License-Identifier: GPL-3.0-or-later
#include "json.h"

#include <cstdio>

namespace {
void appendQuoted(std::string &out, std::string_view text)
{
    out += '"';
    std::size_t plain = 0; // the start of the run of characters that need no escape
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue; // UTF-8 passes through
        out.append(text, plain, i - plain);
        plain = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        }
    }
    out.append(text, plain);
    out += '"';
}
} // namespace

std::string jsonString(std::string_view text)
{
    std::string quoted;
    appendQuoted(quoted, text);
    return quoted;
}

void JsonObject::key(std::string_view name)
{
    if (json_.size() > 1)
        json_ += ',';
    appendQuoted(json_, name);
    json_ += ':';
}

JsonObject &JsonObject::add(std::string_view name, std::string_view value)
{
    key(name);
    appendQuoted(json_, value);
    return *this;
}

JsonObject &JsonObject::add(std::string_view name, double value)
{
    // Seventeen digits read back as the same double.
    char written[32];
    std::snprintf(written, sizeof written, "%.17g", value);
    key(name);
    json_ += written;
    return *this;
}

JsonObject &JsonObject::add(std::string_view name, bool value)
{
    key(name);
    json_ += value ? "true" : "false";
    return *this;
}

JsonObject &JsonObject::addRaw(std::string_view name, std::string_view json)
{
    key(name);
    json_ += json;
    return *this;
}
