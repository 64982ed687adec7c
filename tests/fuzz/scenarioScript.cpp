// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a scenario file: any text gives scenarios and steps in the order of
// their lines, or stops at a line within the text; and what was read, written
// out again, reads back the same.
#include "fuzzcheck.h"
#include "propertyvalue.h"
#include "script.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {
std::string written(const Script &script)
{
    std::string text;
    for (const Scenario &scenario : script.scenarios) {
        text += "scenario " + quote(scenario.name) + '\n';
        for (const Step &step : scenario.steps) {
            text += step.verb;
            for (const Token &token : step.args)
                text += ' ' + (token.type == Token::Type::String ? quote(token.text) : token.text);
            text += '\n';
        }
    }
    return text;
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
    // Written out, a script shows each token's kind: strings are quoted, commas stand alone.
    require(written(again) == written(script), "what was read reads back the same");
    return 0;
}
