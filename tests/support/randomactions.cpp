// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomactions.h"

#include "control.h"
#include "form.h"
#include "propertyvalue.h"

#include <array>
#include <functional>
#include <vector>

namespace {
std::uint32_t hashOf(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// A whole number below `count` (at least 1): one byte, or two for long lists.
std::size_t below(ByteSource &bytes, std::size_t count)
{
    std::size_t value = bytes.next();
    if (count > 256)
        value = value << 8 | bytes.next();
    return value % count;
}

template <typename List>
const auto &oneOf(ByteSource &bytes, const List &items)
{
    return items[below(bytes, items.size())];
}

using Controls = std::vector<const Control *>;

Controls controlsWhere(const Form &window, const std::function<bool(const Control &)> &wanted)
{
    Controls found;
    for (const auto &control : window.controls()) {
        if (wanted(*control))
            found.push_back(control.get());
    }
    return found;
}

Controls controlsOf(const Form &window, Kind kind)
{
    return controlsWhere(window, [kind](const Control &c) { return c.kind() == kind; });
}

// The user mostly aims at a control that can take the action, and most of all
// at one whose handler does something with it; sometimes at any, and then a
// control that is hidden, disabled or on a page not shown must do nothing.
const Control *aim(ByteSource &bytes, const Form &window, const Controls &candidates, Event handled)
{
    if (candidates.empty())
        return nullptr;
    Controls reachable;
    Controls handling;
    for (const Control *control : candidates) {
        if (!window.isReachable(*control))
            continue;
        reachable.push_back(control);
        if (window.hasHandler(*control, handled))
            handling.push_back(control);
    }
    const std::uint8_t how = bytes.next();
    if (how < 128 && !handling.empty())
        return oneOf(bytes, handling);
    if (how < 192 && !reachable.empty())
        return oneOf(bytes, reachable);
    return oneOf(bytes, candidates);
}

bool isPointable(const Control &control)
{
    return control.kind() != Kind::Timer && control.kind() != Kind::Menu;
}

std::string digits(ByteSource &bytes, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += static_cast<char>('0' + bytes.next() % 10);
    return text;
}

constexpr std::array<std::string_view, 15> foreignCharacters{
    "è", "à", "é", "ù", "ò", "ì", "°", "€", "²", "½", "ß", "Ω", "日", "１", "😀",
};

// One printable character, mostly what a measure is written with.
std::string character(ByteSource &bytes)
{
    const std::uint8_t kind = bytes.next();
    if (kind < 130)
        return std::string(1, static_cast<char>('0' + bytes.next() % 10));
    if (kind < 150)
        return ",";
    if (kind < 160)
        return ".";
    if (kind < 168)
        return "-";
    if (kind < 172)
        return "+";
    if (kind < 180)
        return bytes.next() % 2 ? "E" : "e";
    if (kind < 205)
        return std::string(1, static_cast<char>(' ' + bytes.next() % 95));
    return std::string(oneOf(bytes, foreignCharacters));
}

// Backspace, Tab, line feed, Enter, Escape, and Ctrl+A, C, V, X, Z.
constexpr std::array<int, 14> controlCodes{8, 8, 8, 13, 13, 27, 27, 1, 3, 22, 24, 26, 9, 10};

constexpr std::array<std::string_view, 56> oddTexts{
    "1,5", "-3", "1e308", "1E308", "1E309", "-1E309", "1,7976931348623157E+308", "1,7976931348623158E+308",
    "4,9E-324", "1E-400", "-0", "0", "00", "0,0", " ", "  12  ", "1.000,5", "1.5", "1..2", ",5", "5,", ",", "-",
    "+", "E", "e5", "abc", "12abc", "NaN", "nan", "inf", "Infinity", "0x1F", "１２", "3,14", "2",
    "9999999999999999999", "922337203685477,5807", "922337203685477,5808", "1 2", "\t7", "è", "12\r\n3", "½",
    "+-1", "--1", "1E+", "1D3", "%", "\"", "&", "1,5E-05", "5E+15", "0,00001", "123456789012345", "1,23E-310",
};

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
    case 0:
    case 1: return number(bytes);
    case 2: {
        // 200 to 400 digits, whole or with a decimal comma.
        std::string huge = "1" + digits(bytes, 199 + bytes.next() % 201);
        if (bytes.next() % 2)
            huge[1 + bytes.next() % (huge.size() - 1)] = ',';
        return huge;
    }
    case 3: return "0," + digits(bytes, 200 + bytes.next() % 201);
    case 4: return std::string(oneOf(bytes, oddTexts));
    case 5: return number(bytes) + std::string(oneOf(bytes, oddTexts));
    default: return std::string(1 + bytes.next() % 3, ' ') + number(bytes) + std::string(bytes.next() % 3, ' ');
    }
}

std::optional<std::string> boxAction(ByteSource &bytes, const Form &window, std::uint8_t pick)
{
    const Control *box = aim(bytes, window, controlsOf(window, Kind::TextBox), Event::Change);
    if (!box)
        return std::nullopt;
    if (pick < 64)
        return "type " + box->name() + " " + quote(character(bytes));
    if (pick < 76)
        return "key " + box->name() + " " + std::to_string(oneOf(bytes, controlCodes));
    if (pick < 104)
        return "paste " + box->name() + " " + quote(pasted(bytes));
    return "clear " + box->name();
}

// A click on a control, or the choice of a menu item.
std::optional<std::string> click(ByteSource &bytes, const Form &window, bool onMenu = false)
{
    const Controls candidates = onMenu ? controlsOf(window, Kind::Menu) : controlsWhere(window, isPointable);
    const Control *target = aim(bytes, window, candidates, Event::Click);
    if (!target)
        return std::nullopt;
    return (onMenu ? "menu " : "click ") + target->name();
}

std::string mouseMove(ByteSource &bytes, const Form &window)
{
    const Control *target = nullptr;
    if (bytes.next() % 4 != 0)
        target = aim(bytes, window, controlsWhere(window, isPointable), Event::MouseMove);
    return "mousemove " + (target ? target->name() : "form");
}

// A page of the tab control that the user can reach, if there is one.
std::optional<std::string> tab(ByteSource &bytes, const Form &window)
{
    const Controls tabs = controlsOf(window, Kind::TabControl);
    if (tabs.empty() || !window.isReachable(*tabs.front()))
        return std::nullopt;
    // One page past the last, which is no page at all.
    const std::size_t pages = tabs.front()->design().pageCaptions().size();
    return "tab " + std::to_string(below(bytes, pages + 1));
}

// Time enough for half a timer's interval or all of it.
std::optional<std::string> wait(ByteSource &bytes, const Form &window)
{
    const Controls timers = controlsOf(window, Kind::Timer);
    if (timers.empty())
        return std::nullopt;
    const int interval = oneOf(bytes, timers)->design().intervalMs();
    return "wait " + std::to_string(bytes.next() % 2 ? interval : interval / 2);
}
} // namespace

SeededBytes::SeededBytes(std::uint32_t seed, std::string_view salt)
{
    std::seed_seq sequence{seed, hashOf(salt)};
    m_engine.seed(sequence);
}

std::uint8_t SeededBytes::next()
{
    if (m_left == 0) {
        m_word = static_cast<std::uint32_t>(m_engine());
        m_left = 4;
    }
    --m_left;
    const auto byte = static_cast<std::uint8_t>(m_word);
    m_word >>= 8;
    return byte;
}

std::optional<std::string> nextAction(ByteSource &bytes, const Form &window)
{
    if (bytes.exhausted())
        return std::nullopt;
    // Shares of 256: typing and clicking most, waiting for a timer least.
    const std::uint8_t pick = bytes.next();
    std::optional<std::string> action;
    if (pick < 114)
        action = boxAction(bytes, window, pick);
    else if (pick < 184)
        action = click(bytes, window);
    else if (pick < 198)
        action = click(bytes, window, true);
    else if (pick < 228)
        action = mouseMove(bytes, window);
    else if (pick < 242)
        action = tab(bytes, window);
    else if (pick < 245)
        action = "close";
    else if (pick < 255)
        action = bytes.next() % 2 ? "printer on" : "printer off";
    else
        action = wait(bytes, window);
    // What the window has nothing for becomes a click, or a move over its background.
    if (!action)
        action = click(bytes, window);
    return action ? action : mouseMove(bytes, window);
}
