// SPDX-License-Identifier: GPL-3.0-or-later
#include "propertyvalue.h"

#include "operations.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

namespace {
// In the order of Readable, which nameOf relies on.
constexpr std::array<ReadableProperty, 14> readables{{
    {"Caption", Readable::Caption, ValueKind::String},
    {"Text", Readable::Text, ValueKind::String},
    {"ToolTipText", Readable::ToolTipText, ValueKind::String},
    {"Visible", Readable::Visible, ValueKind::Bool},
    {"Enabled", Readable::Enabled, ValueKind::Bool},
    {"ForeColor", Readable::ForeColor, ValueKind::Color},
    {"BackColor", Readable::BackColor, ValueKind::Color},
    {"BorderColor", Readable::BorderColor, ValueKind::Color},
    {"FillColor", Readable::FillColor, ValueKind::Color},
    {"BorderWidth", Readable::BorderWidth, ValueKind::Integer},
    {"Top", Readable::Top, ValueKind::Integer},
    {"Left", Readable::Left, ValueKind::Integer},
    {"Tab", Readable::Tab, ValueKind::Integer},
    {"FillStyle", Readable::FillStyle, ValueKind::Fill},
}};
} // namespace

std::span<const ReadableProperty> readableProperties()
{
    return readables;
}

std::optional<ReadableProperty> readable(std::string_view name)
{
    for (const ReadableProperty &property : readables) {
        if (property.name == name)
            return property;
    }
    return std::nullopt;
}

std::string_view nameOf(Readable property)
{
    return readables.at(static_cast<std::size_t>(property)).name;
}

std::string readModel(const Control &c, Readable property)
{
    switch (property) {
    case Readable::Caption:
    case Readable::Text: return quote(c.text());
    case Readable::ToolTipText: return quote(c.design().toolTip());
    case Readable::Visible: return formatBool(c.isVisible());
    case Readable::Enabled: return formatBool(c.isEnabled());
    case Readable::ForeColor: return formatColor(c.foreColor());
    case Readable::BackColor: return formatColor(c.backColor());
    case Readable::BorderColor: return formatColor(c.borderColor());
    case Readable::FillColor: return formatColor(c.design().fillColor());
    case Readable::BorderWidth: return std::to_string(c.borderWidth());
    case Readable::Top: return std::to_string(c.top());
    case Readable::Left: return std::to_string(c.design().left());
    case Readable::Tab: return std::to_string(c.currentPage());
    case Readable::FillStyle: return formatFill(c.fillStyle());
    }
    return {};
}

std::string quote(std::string_view text)
{
    constexpr std::string_view special = "\"\\\r\n\t\b", letters = "\"\\rntb";
    std::string quoted = "\"";
    for (const char c : text) {
        const std::size_t at = special.find(c);
        quoted += at == std::string_view::npos ? std::string(1, c) : std::string{'\\', letters[at]};
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

// In the order of FillStyle.
constexpr std::array<std::string_view, 4> fillNames{"solid", "transparent", "cross", "upward-diagonal"};

std::string formatFill(FillStyle style)
{
    return std::string(fillNames.at(static_cast<std::size_t>(style)));
}

std::optional<std::string> canonicalValue(ValueKind kind, std::string_view written)
{
    const char *end = written.data() + written.size();
    switch (kind) {
    case ValueKind::String: return quote(written);
    case ValueKind::Bool: return written == "True" || written == "False" ? std::optional(std::string(written)) : std::nullopt;
    case ValueKind::Color: {
        unsigned long color = 0;
        const bool hex = written.size() > 2 && written[0] == '0' && (written[1] == 'x' || written[1] == 'X');
        const auto read = hex ? std::from_chars(written.data() + 2, end, color, 16) : std::from_chars_result{};
        if (!hex || read.ec != std::errc() || read.ptr != end || color > 0xFFFFFFFFul)
            return std::nullopt;
        return formatColor(color);
    }
    case ValueKind::Integer: {
        long value = 0;
        const auto read = std::from_chars(written.data(), end, value);
        return read.ec == std::errc() && read.ptr == end ? std::optional(std::to_string(value)) : std::nullopt;
    }
    case ValueKind::Fill:
        if (std::find(fillNames.begin(), fillNames.end(), written) == fillNames.end())
            return std::nullopt;
        return std::string(written);
    }
    return std::nullopt;
}
