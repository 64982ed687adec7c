// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner.h"

#include "propertyvalue.h"
#include "script.h"
#include "session.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

namespace {
using Type = Token::Type;

const std::string &argument(const Step &step, std::size_t at, Type type)
{
    if (step.args.at(at).type != type)
        throw ScenarioError(step.verb + (type == Type::Word ? " needs a name, not a string" : " needs a quoted string"));
    return step.args[at].text;
}

int integer(const Step &step, std::size_t at)
{
    int value = 0;
    const std::string &t = step.args[at].text;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (step.args[at].type != Type::Word || error != std::errc() || end != t.data() + t.size())
        throw ScenarioError("expected a whole number, got " + t);
    return value;
}

std::string join(const std::vector<std::string> &events)
{
    std::string text;
    for (const std::string &event : events)
        text += (text.empty() ? "" : ", ") + event;
    return events.empty() ? "no events" : text;
}

// The events of an `events` step in canonical text.
std::vector<std::string> expectedEvents(const std::vector<Token> &args)
{
    std::vector<std::string> events;
    for (auto from = args.begin(); !args.empty(); ++from) {
        const auto to = std::find_if(from, args.end(), [](const Token &t) { return t.type == Type::Comma; });
        if (from == to)
            throw ScenarioError("an empty event in the list");
        // A message titled "Geomira" is written without its title.
        const auto end = to - from == 3 && from->text == "message" && from[2].text == "Geomira" ? to - 1 : to;
        std::string event = from->text;
        for (auto part = from + 1; part != end; ++part)
            event += " " + (part->type == Type::String ? quote(part->text) : part->text);
        events.push_back(event);
        if ((from = to) == args.end())
            break;
    }
    return events;
}

// Decodes one UTF-8 character at `at`, advancing it; malformed bytes stand for themselves.
int nextCodePoint(std::string_view text, std::size_t &at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
    if (length == 1 || at + length > text.size())
        return text[at++] & 0xFF;
    int code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (text[at + i] & 0x3F);
    at += length;
    return code;
}

std::optional<std::string> check(Session &session, const Step &step)
{
    const std::string &target = argument(step, 0, Type::Word);
    if (target == "window") {
        const std::string actual = session.activeWindow();
        if (actual == argument(step, 1, Type::Word))
            return std::nullopt;
        return "expected window " + step.args[1].text + ", got " + actual;
    }
    const std::size_t dot = target.find('.');
    if (dot == std::string::npos)
        throw ScenarioError("expect needs CONTROL.PROPERTY");
    const std::string property = target.substr(dot + 1);
    const std::optional<ReadableProperty> readableProperty = readable(property);
    if (!readableProperty)
        throw ScenarioError("no property " + property);
    const bool quoted = readableProperty->kind == ValueKind::String;
    const Token &value = step.args[1];
    if (quoted != (value.type == Type::String))
        throw ScenarioError("the value of " + property + " is written " + (quoted ? "in quotes" : "without quotes"));
    std::optional<std::string> expected = canonicalValue(readableProperty->kind, value.text);
    if (!expected)
        throw ScenarioError("cannot read the value " + value.text);
    if (readableProperty->kind == ValueKind::Color)
        expected = session.showColor(*expected);
    const std::string actual = session.read(target.substr(0, dot), readableProperty->which);
    if (actual == *expected)
        return std::nullopt;
    return "expected " + target + " " + *expected + ", got " + actual;
}

// Every action with its number of arguments.
const std::map<std::string, std::pair<std::size_t, void (*)(Session &, const Step &)>, std::less<>> actions{
    {"menu", {1, [](Session &s, const Step &step) { s.menu(argument(step, 0, Type::Word)); }}},
    // Each character of `type` as its own key, which may change what can be reached.
    {"type", {2, [](Session &s, const Step &step) {
         const std::string &chars = argument(step, 1, Type::String);
         for (std::size_t at = 0; at < chars.size();)
             s.key(argument(step, 0, Type::Word), nextCodePoint(chars, at));
     }}},
    {"key", {2, [](Session &s, const Step &step) { s.key(argument(step, 0, Type::Word), integer(step, 1)); }}},
    {"paste", {2, [](Session &s, const Step &step) { s.paste(argument(step, 0, Type::Word), argument(step, 1, Type::String)); }}},
    {"clear", {1, [](Session &s, const Step &step) { s.clear(argument(step, 0, Type::Word)); }}},
    {"click", {1, [](Session &s, const Step &step) { s.click(argument(step, 0, Type::Word)); }}},
    {"mousemove", {1, [](Session &s, const Step &step) { s.mouseMove(argument(step, 0, Type::Word)); }}},
    {"tab", {1, [](Session &s, const Step &step) { s.showTab(integer(step, 0)); }}},
    {"close", {0, [](Session &s, const Step &) { s.closeBox(); }}},
    {"printer", {1, [](Session &s, const Step &step) {
         const std::string &state = argument(step, 0, Type::Word);
         if (state != "on" && state != "off")
             throw ScenarioError("printer is on or off");
         s.setPrinter(state == "on");
     }}},
    {"wait", {1, [](Session &s, const Step &step) { s.wait(integer(step, 0)); }}},
};

// Carries out one step; a failed check comes back as its message.
std::optional<std::string> perform(Session &session, const Step &step)
{
    if (step.verb == "events") {
        const std::vector<std::string> expected = expectedEvents(step.args);
        const std::vector<std::string> actual = session.takeEvents();
        if (expected == actual)
            return std::nullopt;
        return "expected " + join(expected) + ", got " + join(actual);
    }
    const auto action = actions.find(step.verb);
    if (step.verb != "expect" && action == actions.end())
        throw ScenarioError("unknown step " + step.verb);
    const std::size_t count = action == actions.end() ? 2 : action->second.first;
    if (step.args.size() != count)
        throw ScenarioError(step.verb + " takes " + std::to_string(count) + " argument(s)");
    if (action == actions.end())
        return check(session, step);
    action->second.second(session, step);
    return std::nullopt;
}
} // namespace

std::optional<std::string> runStep(Session &session, std::string_view line)
{
    const std::optional<std::vector<Token>> tokens = tokenize(line);
    if (!tokens || tokens->empty() || tokens->front().type != Type::Word)
        throw ScenarioError("cannot read the step " + std::string(line));
    return perform(session, Step{0, tokens->front().text, {tokens->begin() + 1, tokens->end()}});
}

Tally runScript(const std::string &name, const std::string &text, const SessionFactory &sessions, std::ostream &out)
{
    Tally tally;
    const Script script = parseScript(text);
    for (const Scenario &scenario : script.scenarios) {
        std::unique_ptr<Session> session = sessions();
        std::optional<std::string> failure;
        int line = scenario.steps.empty() ? scenario.line : scenario.steps.back().line;
        for (const Step &step : scenario.steps) {
            try {
                failure = perform(*session, step);
            } catch (const ScenarioError &error) {
                failure = error.what();
            }
            if (failure) {
                line = step.line;
                break;
            }
        }
        // Events that no `events` step has seen would hide a beep or a message.
        if (const std::vector<std::string> unchecked = failure ? std::vector<std::string>() : session->takeEvents();
            !unchecked.empty())
            failure = "events never checked: " + join(unchecked);
        if (failure)
            out << name << ':' << line << ": " << *failure << " (scenario \"" << scenario.name << "\")\n";
        ++(failure ? tally.failed : tally.passed);
    }
    if (script.error) {
        out << name << ':' << script.error->first << ": " << script.error->second << '\n';
        ++tally.failed;
    }
    return tally;
}

int runFiles(int count, char **paths, const SessionFactory &sessions, std::ostream &out)
{
    Tally total;
    for (int i = 0; i < count; ++i) {
        std::ifstream file(paths[i], std::ios::binary);
        if (!file) {
            out << paths[i] << ": cannot open the file\n";
            ++total.failed;
            continue;
        }
        std::ostringstream text;
        text << file.rdbuf();
        const Tally tally = runScript(paths[i], text.str(), sessions, out);
        total.passed += tally.passed;
        total.failed += tally.failed;
    }
    out << total.passed << " passed, " << total.failed << " failed\n";
    return total.failed == 0 && total.passed > 0 ? 0 : 1;
}
