// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ByteSource;
class Session;

// A further check after each action (the view against its model, say): the
// fault it finds, or nothing.
using ActionCheck = std::function<std::optional<std::string>(Session &session)>;

struct SessionOutcome {
    std::vector<std::string> steps;   // the session in the words of a scenario file
    std::optional<std::string> fault; // the first broken rule, with what the last step did
};

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
//  - a window that closed (not the main one) opens again with every control
//    as in a new instance.
// The session and its windows live until the run ends.
SessionOutcome runRandomSession(std::unique_ptr<Session> session, ByteSource &bytes, std::string_view window,
                                int maxActions, const ActionCheck &check = {});

// Random sessions of a hundred actions on the window, seeded 0 to count - 1
// (the count in the environment variable `countVariable`, else `fallback`),
// or only the seed in GEOMIRA_RANDOM_SEED, to replay a failure. The first
// failed one, told so that it can be run again, or nothing.
std::optional<std::string> failedSession(std::string_view window, const char *countVariable, int fallback,
                                         const std::function<std::unique_ptr<Session>()> &newSession,
                                         const ActionCheck &check = {});
