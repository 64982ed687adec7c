#pragma once

#include "control.h"

#include <optional>
#include <string>
#include <string_view>

// The value kinds of the properties that a scenario can check, and their
// canonical text: strings quoted with escapes, True/False, 0x00BBGGRR, whole
// numbers, and fill style names.
enum class ValueKind { String, Bool, Color, Integer, Fill };

std::optional<ValueKind> valueKind(std::string_view property);
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
