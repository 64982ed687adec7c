// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomactions.h"

#include "control.h"
#include "form.h"
#include "propertyvalue.h"

#include <array>
#include <utility>
#include <vector>

namespace {
using Step = std::optional<std::string>;

template <typename List>
const auto &oneOf(ByteSource &bytes, const List &items)
{
    return items[bytes.next() % items.size()];
}

bool isBox(Kind kind) { return kind == Kind::TextBox; }
bool isMenu(Kind kind) { return kind == Kind::Menu; }
bool isPointable(Kind kind) { return kind != Kind::Timer && kind != Kind::Menu; }

// `verb control argument` on a control of the wanted kinds. The user mostly
// aims at one that can take the action, and most of all at one whose handler
// does something with it; sometimes at any, and then a control that is
// hidden, disabled or on a page not shown must do nothing.
Step on(ByteSource &bytes, const Form &window, bool (*wanted)(Kind), Event handled, std::string_view verb,
        const std::string &argument = {})
{
    std::vector<const Control *> any, reachable, handling; // reachable: those without a handler for it
    for (const auto &control : window.controls()) {
        if (!wanted(control->kind()))
            continue;
        any.push_back(control.get());
        if (window.isReachable(*control))
            (window.hasHandler(*control, handled) ? handling : reachable).push_back(control.get());
    }
    if (any.empty())
        return std::nullopt;
    const std::uint8_t how = bytes.next();
    const auto &from = how < 128 && !handling.empty() ? handling : how < 192 && !reachable.empty() ? reachable : any;
    return std::string(verb) + " " + oneOf(bytes, from)->name() + (argument.empty() ? "" : " " + argument);
}

std::string digits(ByteSource &bytes, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += static_cast<char>('0' + bytes.next() % 10);
    return text;
}

// Backspace, Tab, line feed, Enter, Escape, and Ctrl+A, C, V, X, Z.
constexpr std::array<int, 14> controlCodes{8, 8, 8, 13, 13, 27, 27, 1, 3, 22, 24, 26, 9, 10};

constexpr std::array<std::string_view, 65> oddTexts{
    "1,5", "-3", "1e308", "1E308", "1E309", "-1E309", "1,7976931348623157E+308", "1,7976931348623158E+308",
    "4,9E-324", "1E-400", "-0", "0", "00", "0,0", " ", "  12  ", "1.000,5", "1.5", "1..2", ",5", "5,", ",", "-",
    "+", "E", "e5", "abc", "12abc", "NaN", "nan", "inf", "Infinity", "0x1F", "１２", "3,14", "2",
    "9999999999999999999", "922337203685477,5807", "922337203685477,5808", "1 2", "\t7", "è", "12\r\n3", "½",
    "+-1", "--1", "1E+", "1D3", "%", "\"", "&", "1,5E-05", "5E+15", "0,00001", "123456789012345", "1,23E-310",
    "à", "é", "°", "€", "²", "ß", "Ω", "日", "😀",
};

// One printable character, mostly what a measure is written with, or odd text.
std::string character(ByteSource &bytes)
{
    const std::uint8_t kind = bytes.next();
    if (kind < 130)
        return std::string(1, static_cast<char>('0' + kind % 10));
    if (kind < 180)
        return std::string(1, ",,,,,.,.-+Ee"[kind % 12]);
    if (kind < 205)
        return std::string(1, static_cast<char>(' ' + bytes.next() % 95));
    return std::string(oneOf(bytes, oddTexts));
}

std::string number(ByteSource &bytes)
{
    switch (bytes.next() % 4) {
    case 0: return digits(bytes, 1 + bytes.next() % 12);
    case 1: return digits(bytes, 1 + bytes.next() % 6) + "," + digits(bytes, 1 + bytes.next() % 8);
    case 2: return "-" + digits(bytes, 1 + bytes.next() % 6);
    default:
        return digits(bytes, 1 + bytes.next() % 3) + (bytes.next() % 2 ? "E" : "E-") + digits(bytes, 1 + bytes.next() % 3);
    }
}

// What a user may paste: numbers of every size, and text that is no number.
std::string pasted(ByteSource &bytes)
{
    switch (bytes.next() % 7) {
    case 0: return "0," + digits(bytes, 200 + bytes.next() % 201);
    case 1: {
        // 200 to 400 digits, whole or with a decimal comma.
        std::string huge = "1" + digits(bytes, 199 + bytes.next() % 201);
        if (bytes.next() % 2)
            huge[1 + bytes.next() % (huge.size() - 1)] = ',';
        return huge;
    }
    case 2: return std::string(oneOf(bytes, oddTexts));
    case 3: return number(bytes) + std::string(oneOf(bytes, oddTexts));
    case 4: return std::string(1 + bytes.next() % 3, ' ') + number(bytes) + std::string(bytes.next() % 3, ' ');
    default: return number(bytes);
    }
}

Step click(ByteSource &bytes, const Form &window) { return on(bytes, window, isPointable, Event::Click, "click"); }

// The kinds of step with their shares of 256: typing and clicking most,
// waiting for a timer least. Each gives nothing if the window has nothing for it.
constexpr std::pair<int, Step (*)(ByteSource &, const Form &)> steps[] = {
    {64, [](ByteSource &b, const Form &w) { return on(b, w, isBox, Event::Change, "type", quote(character(b))); }},
    {12, [](ByteSource &b, const Form &w) {
         return on(b, w, isBox, Event::Change, "key", std::to_string(oneOf(b, controlCodes)));
     }},
    {28, [](ByteSource &b, const Form &w) { return on(b, w, isBox, Event::Change, "paste", quote(pasted(b))); }},
    {10, [](ByteSource &b, const Form &w) { return on(b, w, isBox, Event::Change, "clear"); }},
    {70, click},
    {14, [](ByteSource &b, const Form &w) { return on(b, w, isMenu, Event::Click, "menu"); }},
    {30, [](ByteSource &b, const Form &w) -> Step {
         return b.next() % 4 ? on(b, w, isPointable, Event::MouseMove, "mousemove") : "mousemove form";
     }},
    {14, [](ByteSource &b, const Form &w) -> Step {
         for (const auto &control : w.controls()) {
             // Up to one page past the last, which is no page at all.
             if (control->kind() == Kind::TabControl && w.isReachable(*control))
                 return "tab " + std::to_string(b.next() % (control->design().pageCaptions().size() + 1));
         }
         return std::nullopt;
     }},
    {3, [](ByteSource &, const Form &) -> Step { return "close"; }},
    {10, [](ByteSource &b, const Form &) -> Step { return b.next() % 2 ? "printer on" : "printer off"; }},
    {1, [](ByteSource &b, const Form &w) -> Step {
         // Time enough for half a timer's interval or all of it.
         for (const auto &control : w.controls()) {
             if (control->kind() == Kind::Timer && b.next() % 2)
                 return "wait " + std::to_string(control->design().intervalMs() / (b.next() % 2 + 1));
         }
         return std::nullopt;
     }},
};
} // namespace

ByteSource::ByteSource(std::uint32_t seed, std::string_view salt)
{
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(std::hash<std::string_view>{}(salt))};
    m_engine.seed(sequence);
}

std::uint8_t ByteSource::next()
{
    if (m_seeded)
        return static_cast<std::uint8_t>(m_engine());
    return m_at < m_data.size() ? m_data[m_at++] : 0;
}

std::optional<std::string> nextAction(ByteSource &bytes, const Form &window)
{
    if (bytes.exhausted())
        return std::nullopt;
    int pick = bytes.next();
    auto kind = std::begin(steps);
    while (pick >= kind->first)
        pick -= (kind++)->first;
    // What the window has nothing for becomes a click, or a move over its background.
    const Step action = kind->second(bytes, window);
    return action ? action : click(bytes, window).value_or("mousemove form");
}
