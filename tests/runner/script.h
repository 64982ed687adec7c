// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One word or quoted string of a scenario line, or a comma between events.
struct Token {
    enum class Type { Word, String, Comma };
    Type type;
    std::string text; // a string's text with its escapes resolved
};

struct Step {
    int line = 0;
    std::string verb;
    std::vector<Token> args;
};

struct Scenario {
    std::string name;
    int line = 0;
    std::vector<Step> steps;
};

struct Script {
    std::vector<Scenario> scenarios;
    // The first line that could not be read, if any: its number and why.
    std::optional<std::pair<int, std::string>> error;
};

// Splits a line into tokens; nothing for an unterminated string or a bad escape.
std::optional<std::vector<Token>> tokenize(std::string_view line);
// Reads a scenario file's text. Reading stops at the first malformed line.
Script parseScript(std::string_view text);
