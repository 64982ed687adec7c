// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner.h"

#include "propertyvalue.h"
#include "script.h"
#include "session.h"

#include <charconv>
#include <fstream>
#include <map>
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

void needs(const Step &step, std::size_t count)
{
    if (step.args.size() != count)
        throw ScenarioError(step.verb + " takes " + std::to_string(count) + " argument(s)");
}

const std::string &argument(const Step &step, std::size_t at, Token::Type type)
{
    if (step.args.at(at).type != type)
        throw ScenarioError(step.verb + (type == Token::Type::Word ? " needs a name, not a string" : " needs a quoted string"));
    return step.args[at].text;
}

std::optional<std::string> check(Session &session, const Step &step)
{
    needs(step, 2);
    const std::string &target = argument(step, 0, Token::Type::Word);
    if (target == "window") {
        const std::string actual = session.activeWindow();
        if (actual != argument(step, 1, Token::Type::Word))
            return "expected window " + step.args[1].text + ", got " + actual;
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
    const std::string actual = session.read(control, readableProperty->which);
    if (actual != *expected)
        return "expected " + target + " " + *expected + ", got " + actual;
    return std::nullopt;
}

// Carries out one step; a failed check comes back as its message.
std::optional<std::string> perform(Session &session, const Step &step)
{
    const std::string &verb = step.verb;
    const auto name = [&] { return argument(step, 0, Token::Type::Word); };
    const auto text = [&] { return argument(step, 1, Token::Type::String); };
    if (verb == "events") {
        const std::vector<std::string> expected = expectedEvents(step.args);
        const std::vector<std::string> actual = session.takeEvents();
        if (expected != actual)
            return "expected " + join(expected) + ", got " + join(actual);
        return std::nullopt;
    }
    if (verb == "expect")
        return check(session, step);
    static const std::map<std::string_view, std::size_t> arguments{
        {"menu", 1}, {"type", 2}, {"key", 2}, {"paste", 2}, {"clear", 1}, {"click", 1},
        {"mousemove", 1}, {"tab", 1}, {"close", 0}, {"printer", 1}, {"wait", 1}};
    const auto known = arguments.find(verb);
    if (known == arguments.end())
        throw ScenarioError("unknown step " + verb);
    needs(step, known->second);
    if (verb == "menu") {
        session.menu(name());
    } else if (verb == "type") {
        // Each character as its own key, which may change what can be reached.
        const std::string &control = name();
        const std::string &chars = text();
        for (std::size_t at = 0; at < chars.size();)
            session.key(control, nextCodePoint(chars, at));
    } else if (verb == "paste") {
        session.paste(name(), text());
    } else if (verb == "key") {
        session.key(name(), integer(step.args[1]));
    } else if (verb == "clear") {
        session.clear(name());
    } else if (verb == "click") {
        session.click(name());
    } else if (verb == "mousemove") {
        session.mouseMove(name());
    } else if (verb == "tab") {
        session.showTab(integer(step.args[0]));
    } else if (verb == "close") {
        session.closeBox();
    } else if (verb == "printer") {
        if (name() != "on" && name() != "off")
            throw ScenarioError("printer is on or off");
        session.setPrinter(name() == "on");
    } else {
        session.wait(integer(step.args[0]));
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
