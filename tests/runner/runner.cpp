// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner.h"

#include "propertyvalue.h"
#include "script.h"
#include "session.h"

#include <charconv>
#include <fstream>
#include <ostream>
#include <sstream>

namespace {
bool isWord(const Token &token)
{
    return token.type == Token::Type::Word;
}

bool isString(const Token &token)
{
    return token.type == Token::Type::String;
}

int integer(const Token &token)
{
    int value = 0;
    const std::string &t = token.text;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (!isWord(token) || error != std::errc() || end != t.data() + t.size())
        throw ScenarioError("expected a whole number, got " + t);
    return value;
}

std::string join(const std::vector<std::string> &events)
{
    if (events.empty())
        return "no events";
    std::string text;
    for (const std::string &event : events)
        text += (text.empty() ? "" : ", ") + event;
    return text;
}

// The events of an `events` step in canonical text; a message titled
// "Geomira" is written without its title.
std::vector<std::string> expectedEvents(const std::vector<Token> &args)
{
    std::vector<std::string> events;
    std::vector<const Token *> parts;
    auto flush = [&] {
        if (parts.empty())
            throw ScenarioError("an empty event in the list");
        std::string event = parts[0]->text;
        if (parts.size() == 3 && event == "message" && parts[2]->text == "Geomira")
            parts.pop_back();
        for (std::size_t i = 1; i < parts.size(); ++i)
            event += " " + (isString(*parts[i]) ? quote(parts[i]->text) : parts[i]->text);
        events.push_back(event);
        parts.clear();
    };
    for (const Token &token : args) {
        if (token.type == Token::Type::Comma)
            flush();
        else
            parts.push_back(&token);
    }
    if (!args.empty())
        flush();
    return events;
}

void needs(const Step &step, std::size_t count)
{
    if (step.args.size() != count)
        throw ScenarioError(step.verb + " takes " + std::to_string(count) + " argument(s)");
}

const std::string &word(const Step &step, std::size_t at)
{
    if (!isWord(step.args.at(at)))
        throw ScenarioError(step.verb + " needs a name, not a string");
    return step.args[at].text;
}

const std::string &text(const Step &step, std::size_t at)
{
    if (!isString(step.args.at(at)))
        throw ScenarioError(step.verb + " needs a quoted string");
    return step.args[at].text;
}

// Carries out one step; a failed check comes back as its message.
std::optional<std::string> perform(Session &session, const Step &step)
{
    const std::string &verb = step.verb;
    if (verb == "events") {
        const std::vector<std::string> expected = expectedEvents(step.args);
        const std::vector<std::string> actual = session.takeEvents();
        if (expected != actual)
            return "expected " + join(expected) + ", got " + join(actual);
    } else if (verb == "expect") {
        needs(step, 2);
        const std::string &target = word(step, 0);
        if (target == "window") {
            const std::string actual = session.activeWindow();
            if (actual != word(step, 1))
                return "expected window " + word(step, 1) + ", got " + actual;
            return std::nullopt;
        }
        const std::size_t dot = target.find('.');
        if (dot == std::string::npos)
            throw ScenarioError("expect needs CONTROL.PROPERTY");
        const std::string control = target.substr(0, dot);
        const std::string property = target.substr(dot + 1);
        const std::optional<ReadableProperty> readableProperty = readable(property);
        if (!readableProperty)
            throw ScenarioError("no property " + property);
        const ValueKind kind = readableProperty->kind;
        const Token &value = step.args[1];
        if ((kind == ValueKind::String) != isString(value))
            throw ScenarioError("the value of " + property + " is written " +
                                (kind == ValueKind::String ? "in quotes" : "without quotes"));
        std::optional<std::string> expected = canonicalValue(kind, value.text);
        if (!expected)
            throw ScenarioError("cannot read the value " + value.text);
        if (kind == ValueKind::Color)
            expected = session.showColor(*expected);
        const std::string actual = session.read(control, property);
        if (actual != *expected)
            return "expected " + target + " " + *expected + ", got " + actual;
    } else if (verb == "menu") {
        needs(step, 1);
        session.menu(word(step, 0));
    } else if (verb == "type" || verb == "paste") {
        needs(step, 2);
        if (verb == "type")
            session.type(word(step, 0), text(step, 1));
        else
            session.paste(word(step, 0), text(step, 1));
    } else if (verb == "key") {
        needs(step, 2);
        session.key(word(step, 0), integer(step.args[1]));
    } else if (verb == "clear" || verb == "click" || verb == "mousemove") {
        needs(step, 1);
        if (verb == "clear")
            session.clear(word(step, 0));
        else if (verb == "click")
            session.click(word(step, 0));
        else
            session.mouseMove(word(step, 0));
    } else if (verb == "tab") {
        needs(step, 1);
        session.showTab(integer(step.args[0]));
    } else if (verb == "close") {
        needs(step, 0);
        session.closeBox();
    } else if (verb == "printer") {
        needs(step, 1);
        if (word(step, 0) != "on" && word(step, 0) != "off")
            throw ScenarioError("printer is on or off");
        session.setPrinter(word(step, 0) == "on");
    } else if (verb == "wait") {
        needs(step, 1);
        session.wait(integer(step.args[0]));
    } else {
        throw ScenarioError("unknown step " + verb);
    }
    return std::nullopt;
}
} // namespace

std::optional<std::string> runStep(Session &session, std::string_view line)
{
    const std::optional<std::vector<Token>> tokens = tokenize(line);
    if (!tokens || tokens->empty() || !isWord(tokens->front()))
        throw ScenarioError("cannot read the step " + std::string(line));
    return perform(session, Step{0, tokens->front().text, {tokens->begin() + 1, tokens->end()}});
}

Tally runScript(const std::string &name, const std::string &text, const SessionFactory &sessions, std::ostream &out)
{
    Tally tally;
    const Script script = parseScript(text);
    for (const Scenario &scenario : script.scenarios) {
        std::unique_ptr<Session> session = sessions();
        const auto fail = [&](int line, const std::string &failure) {
            out << name << ':' << line << ": " << failure << " (scenario \"" << scenario.name << "\")\n";
            ++tally.failed;
        };
        bool passed = true;
        for (const Step &step : scenario.steps) {
            std::optional<std::string> failure;
            try {
                failure = perform(*session, step);
            } catch (const ScenarioError &error) {
                failure = error.what();
            }
            if (failure) {
                fail(step.line, *failure);
                passed = false;
                break;
            }
        }
        if (!passed)
            continue;
        // Events that no `events` step has seen would hide a beep or a message.
        const std::vector<std::string> unchecked = session->takeEvents();
        if (unchecked.empty())
            ++tally.passed;
        else
            fail(scenario.steps.empty() ? scenario.line : scenario.steps.back().line,
                 "events never checked: " + join(unchecked));
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
