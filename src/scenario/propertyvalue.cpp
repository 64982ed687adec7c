#include "propertyvalue.h"

#include "operations.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

std::optional<ValueKind> valueKind(std::string_view property)
{
    static constexpr std::array<std::pair<std::string_view, ValueKind>, 14> kinds{{
        {"Caption", ValueKind::String},
        {"Text", ValueKind::String},
        {"ToolTipText", ValueKind::String},
        {"Visible", ValueKind::Bool},
        {"Enabled", ValueKind::Bool},
        {"ForeColor", ValueKind::Color},
        {"BackColor", ValueKind::Color},
        {"BorderColor", ValueKind::Color},
        {"FillColor", ValueKind::Color},
        {"BorderWidth", ValueKind::Integer},
        {"Top", ValueKind::Integer},
        {"Left", ValueKind::Integer},
        {"Tab", ValueKind::Integer},
        {"FillStyle", ValueKind::Fill},
    }};
    for (const auto &[name, kind] : kinds) {
        if (name == property)
            return kind;
    }
    return std::nullopt;
}

std::string quote(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\r': quoted += "\\r"; break;
        case '\n': quoted += "\\n"; break;
        case '\t': quoted += "\\t"; break;
        case '\b': quoted += "\\b"; break;
        default: quoted += c;
        }
    }
    return quoted + '"';
}

std::string messageEvent(std::string_view prompt, std::string_view title)
{
    return title == appTitle ? "message " + quote(prompt) : "message " + quote(prompt) + " " + quote(title);
}

std::string formatBool(bool value)
{
    return value ? "True" : "False";
}

std::string formatColor(unsigned long color)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", color & 0xFFFFFFFFul);
    return text;
}

std::string formatFill(FillStyle style)
{
    switch (style) {
    case FillStyle::Solid: return "solid";
    case FillStyle::Transparent: return "transparent";
    case FillStyle::Cross: return "cross";
    case FillStyle::UpwardDiagonal: return "upward-diagonal";
    }
    return {};
}

std::optional<std::string> canonicalValue(ValueKind kind, std::string_view written)
{
    switch (kind) {
    case ValueKind::String:
        return quote(written);
    case ValueKind::Bool:
        if (written == "True" || written == "False")
            return std::string(written);
        return std::nullopt;
    case ValueKind::Color: {
        if (written.size() < 3 || written[0] != '0' || (written[1] != 'x' && written[1] != 'X'))
            return std::nullopt;
        unsigned long color = 0;
        const auto [end, error] = std::from_chars(written.data() + 2, written.data() + written.size(), color, 16);
        if (error != std::errc() || end != written.data() + written.size() || color > 0xFFFFFFFFul)
            return std::nullopt;
        return formatColor(color);
    }
    case ValueKind::Integer: {
        long value = 0;
        const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), value);
        if (error != std::errc() || end != written.data() + written.size())
            return std::nullopt;
        return std::to_string(value);
    }
    case ValueKind::Fill:
        if (written == "solid" || written == "transparent" || written == "cross" || written == "upward-diagonal")
            return std::string(written);
        return std::nullopt;
    }
    return std::nullopt;
}
