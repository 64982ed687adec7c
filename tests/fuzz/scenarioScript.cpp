// Reading a scenario file: any text gives scenarios and steps in the order of
// their lines, or stops at a line within the text; and what was read, written
// out again, reads back the same.
#include "fuzzcheck.h"
#include "script.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {
std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        default: out += c;
        }
    }
    return out + '"';
}

std::string written(const Script &script)
{
    std::string text;
    for (const Scenario &scenario : script.scenarios) {
        text += "scenario " + quoted(scenario.name) + '\n';
        for (const Step &step : scenario.steps) {
            text += step.verb;
            for (const Token &token : step.args)
                text += ' ' + (token.type == Token::Type::String ? quoted(token.text) : token.text);
            text += '\n';
        }
    }
    return text;
}

bool sameTokens(const std::vector<Token> &a, const std::vector<Token> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Token &x, const Token &y) {
        return x.type == y.type && x.text == y.text;
    });
}

bool sameSteps(const Scenario &a, const Scenario &b)
{
    return a.name == b.name
        && std::equal(a.steps.begin(), a.steps.end(), b.steps.begin(), b.steps.end(),
                      [](const Step &x, const Step &y) {
                          return x.verb == y.verb && sameTokens(x.args, y.args);
                      });
}

void checkLines(const Script &script, int lineCount)
{
    int previous = 0;
    for (const Scenario &scenario : script.scenarios) {
        require(scenario.line > previous, "scenarios come in the order of their lines");
        previous = scenario.line;
        for (const Step &step : scenario.steps) {
            require(step.line > previous, "steps come in the order of their lines");
            require(!step.verb.empty() && step.verb != "scenario", "a step has a verb");
            previous = step.line;
        }
    }
    require(previous <= lineCount, "what was read lies within the text");
    if (script.error)
        require(script.error->first > previous && script.error->first <= lineCount,
                "reading stops at a line after what was read, within the text");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const Script script = parseScript(text);
    checkLines(script, static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1);

    const Script again = parseScript(written(script));
    require(!again.error, "what was read is written out readably");
    require(std::equal(script.scenarios.begin(), script.scenarios.end(), again.scenarios.begin(),
                       again.scenarios.end(), sameSteps),
            "what was read reads back the same");
    return 0;
}
