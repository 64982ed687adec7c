// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The value kinds of the properties that a scenario can check, and their
// canonical text: strings quoted with escapes, True/False, 0x00BBGGRR, whole
// numbers, and fill style names.
enum class ValueKind { String, Bool, Color, Integer, Fill };

// The properties that a scenario can read, each with its name and its kind of
// value: the one list that both sessions read them by.
enum class Readable { Caption, Text, ToolTipText, Visible, Enabled, ForeColor, BackColor, BorderColor, FillColor,
                      BorderWidth, Top, Left, Tab, FillStyle };
struct ReadableProperty {
    std::string_view name;
    Readable which;
    ValueKind kind;
};
// Every property a scenario can read, in one table.
std::span<const ReadableProperty> readableProperties();
std::optional<ReadableProperty> readable(std::string_view name);
std::string_view nameOf(Readable property);
// The property as the control's model holds it, in canonical text.
std::string readModel(const Control &control, Readable property);
std::string quote(std::string_view text);
// A message box as a scenario's `events` step names it; the program's own
// title, "Geomira", is left out.
std::string messageEvent(std::string_view prompt, std::string_view title);
std::string formatBool(bool value);
std::string formatColor(unsigned long color);
std::string formatFill(FillStyle style);
// The canonical text of a value written in a scenario (a string already
// unescaped); nothing if malformed.
std::optional<std::string> canonicalValue(ValueKind kind, std::string_view written);
