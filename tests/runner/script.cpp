// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <algorithm>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Each escape's letter followed by the character it stands for.
constexpr std::string_view escapes = "\"\"\\\\r\rn\nt\tb\b";
} // namespace

std::optional<std::vector<Token>> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < line.size();) {
        if (isBlank(line[i])) {
            ++i;
        } else if (line[i] == ',') {
            tokens.push_back({Token::Type::Comma, ","});
            ++i;
        } else if (line[i++] == '"') {
            std::string text;
            while (i < line.size() && line[i] != '"') {
                if (line[i] != '\\') {
                    text += line[i++];
                    continue;
                }
                const std::size_t at = i + 1 < line.size() ? escapes.find(line[i + 1]) : std::string_view::npos;
                if (at == std::string_view::npos || at % 2 != 0)
                    return std::nullopt;
                text += escapes[at + 1];
                i += 2;
            }
            if (i++ >= line.size())
                return std::nullopt;
            tokens.push_back({Token::Type::String, std::move(text)});
        } else {
            const std::size_t start = i - 1;
            while (i < line.size() && !isBlank(line[i]) && line[i] != ',' && line[i] != '"')
                ++i;
            tokens.push_back({Token::Type::Word, std::string(line.substr(start, i - start))});
        }
    }
    return tokens;
}

Script parseScript(std::string_view text)
{
    Script script;
    for (int number = 1; !text.empty(); ++number) {
        const std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(text.size(), line.size() + 1));
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        std::optional<std::vector<Token>> tokens = tokenize(line);
        const char *error = nullptr;
        if (!tokens || tokens->front().type != Token::Type::Word)
            error = "cannot read this line";
        else if (tokens->front().text == "scenario" &&
                 (tokens->size() != 2 || tokens->back().type != Token::Type::String))
            error = "scenario needs a quoted name";
        else if (tokens->front().text == "scenario")
            script.scenarios.push_back({tokens->back().text, number, {}});
        else if (script.scenarios.empty())
            error = "a step before the first scenario line";
        else
            script.scenarios.back().steps.push_back({number, tokens->front().text, {tokens->begin() + 1, tokens->end()}});
        if (error) {
            script.error = {number, error};
            return script;
        }
    }
    return script;
}
