// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <cctype>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::optional<char> escaped(char c)
{
    switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case 'r': return '\r';
    case 'n': return '\n';
    case 't': return '\t';
    case 'b': return '\b';
    default: return std::nullopt;
    }
}
} // namespace

std::optional<std::vector<Token>> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
        } else if (line[i] == ',') {
            tokens.push_back({Token::Type::Comma, ","});
            ++i;
        } else if (line[i] == '"') {
            std::string text;
            ++i;
            for (;;) {
                if (i >= line.size())
                    return std::nullopt;
                const char c = line[i++];
                if (c == '"')
                    break;
                if (c == '\\') {
                    if (i >= line.size())
                        return std::nullopt;
                    const std::optional<char> e = escaped(line[i++]);
                    if (!e)
                        return std::nullopt;
                    text += *e;
                } else {
                    text += c;
                }
            }
            tokens.push_back({Token::Type::String, std::move(text)});
        } else {
            const std::size_t start = i;
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
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;

        std::size_t first = 0;
        while (first < line.size() && isBlank(line[first]))
            ++first;
        if (first == line.size() || line[first] == '#')
            continue;
        std::optional<std::vector<Token>> tokens = tokenize(line);
        if (!tokens || tokens->front().type != Token::Type::Word) {
            script.error = {number, "cannot read this line"};
            return script;
        }
        Step step{number, tokens->front().text, {tokens->begin() + 1, tokens->end()}};
        if (step.verb == "scenario") {
            if (step.args.size() != 1 || step.args[0].type != Token::Type::String) {
                script.error = {number, "scenario needs a quoted name"};
                return script;
            }
            script.scenarios.push_back({step.args[0].text, number, {}});
        } else if (script.scenarios.empty()) {
            script.error = {number, "a step before the first scenario line"};
            return script;
        } else {
            script.scenarios.back().steps.push_back(std::move(step));
        }
    }
    return script;
}
