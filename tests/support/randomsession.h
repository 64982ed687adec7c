// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ByteSource;
class Form;
class Session;

// A further check after each action (the view against its model, say): the
// fault it finds, or nothing.
using ActionCheck = std::function<std::optional<std::string>(Session &session)>;

struct SessionOutcome {
    int actions = 0;                  // actions performed and checked
    std::vector<std::string> steps;   // the session in the words of a scenario file
    std::optional<std::string> fault; // the first broken rule, with what the last step did
    bool ended = false;               // the program ended, so no further action was possible
};

// What a window holds that can change at run time: its own line, then one a control.
std::vector<std::string> stateOf(const Form &form);

// Opens the window in the session's fresh program (unless it is the first
// window) and performs up to `maxActions` random actions on whatever window is
// active, each a scenario step run as the scenario runner runs it, until the
// bytes run out or the program ends. After each action it checks:
//  - nothing was thrown;
//  - at most one message box came, and no property of any window changed
//    after it (what a handler does before its checks comes before the box);
//  - every result label is blank or shows a number in the program's own
//    writing (numberToText of what it reads back as);
//  - the program ended only through a timer, or through the main window's
//    close box, which always ends it;
//  - a window that closed (not the main one) opens again in the state of a
//    window just opened: every property of every control as in a new instance.
// The session lives until the run ends, and its windows with it.
SessionOutcome runRandomSession(std::unique_ptr<Session> session, ByteSource &bytes, std::string_view window,
                                int maxActions, const ActionCheck &check = {});

// The seeds of a window's random sessions: 0 to count - 1, where the count is
// `fallback` or the number in the environment variable `countVariable`; only
// the seed in GEOMIRA_RANDOM_SEED when that is set, to replay a failure.
std::vector<std::uint32_t> sessionSeeds(const char *countVariable, int fallback);

// A failed session, told so that it can be run again.
std::string failureReport(std::string_view window, std::uint32_t seed, const SessionOutcome &outcome);
